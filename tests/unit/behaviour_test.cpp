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
        const auto& [click, typed, writes, failure] =
            std::tie(row.columns[0], row.columns[1], row.columns[2], row.columns[3]);
        SCOPED_TRACE("behaviour.table line " + std::to_string(row.line) + ": " + click);
        ASSERT_NE(procedureFor(click), nullptr);
        MemoryForm form;
        typeInto(form, typed);
        const ClickOutcome outcome = clickOn(click, form);
        EXPECT_EQ(outcome.writes, writes);
        const std::string kind = failure.substr(0, failure.find(':'));
        EXPECT_EQ(outcome.failure.substr(0, outcome.failure.find(':')), kind) << outcome.failure;
        EXPECT_NE(outcome.failure.find(failure.substr(std::min(failure.size(), kind.size() + 2))),
                  std::string::npos)
            << outcome.failure;
    }
}

} // namespace
} // namespace vorantis::testing
