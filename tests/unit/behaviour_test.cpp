// SPDX-License-Identifier: GPL-3.0-or-later
// Every row of the behaviour table, run on a form in memory.

#include "panels/procedures.h"
#include "tests/support/tables.h"

#include <gtest/gtest.h>

namespace vorantis::testing {
namespace {

TEST(Behaviour, EveryClickWritesInOrderAndStopsWhereItsRowSays)
{
    const std::vector<TableRow> rows = tableRows("behaviour.table", 4);
    ASSERT_GT(rows.size(), 100u);
    for (const TableRow& row : rows) {
        const std::string &click = row.columns[0], &failure = row.columns[3];
        SCOPED_TRACE("behaviour.table line " + std::to_string(row.line) + ": " + click);
        ASSERT_NE(procedureFor(click), nullptr);
        MemoryForm form;
        typeInto(form, row.columns[1]);
        const ClickOutcome outcome = clickOn(click, form);
        EXPECT_EQ(outcome.writes, row.columns[2]);
        // "Kind: a part of the message", as the outcome gives "Kind: the whole message".
        const std::size_t colon = std::min(failure.find(": "), failure.size());
        EXPECT_TRUE(outcome.failure.substr(0, outcome.failure.find(':')) == failure.substr(0, colon) &&
                    outcome.failure.find(failure.substr(std::min(colon + 2, failure.size()))) !=
                        std::string::npos)
            << outcome.failure;
        if (row.columns.size() > 4) {
            EXPECT_EQ(outcome.stale, row.columns[4]);
        }
        if (row.columns.size() > 5) {
            EXPECT_EQ(outcome.unfinished, row.columns[5]);
        }
    }
}

} // namespace
} // namespace vorantis::testing
