// Every row of the behaviour table, run on a form in memory.

#include "panels/procedures.h"
#include "tests/support/behaviour_table.h"

#include <gtest/gtest.h>

namespace vorantis::testing {
namespace {

TEST(Behaviour, EveryClickWritesInOrderAndStopsWhereItsRowSays)
{
    const std::vector<BehaviourRow> rows = behaviourRows();
    ASSERT_GT(rows.size(), 100u);
    for (const BehaviourRow& row : rows) {
        SCOPED_TRACE("behaviour.table line " + std::to_string(row.line) + ": " + row.click);
        ASSERT_NE(procedureFor(row.click), nullptr);
        MemoryForm form;
        for (const auto& [name, text] : row.typed)
            form.type(*fieldNamed(name), text);
        const ClickOutcome outcome = clickOn(row.click, form);
        EXPECT_EQ(outcome.writes, row.writes);
        const std::string kind = row.failure.substr(0, row.failure.find(':'));
        const std::string part = row.failure.substr(std::min(row.failure.size(), kind.size() + 2));
        EXPECT_EQ(outcome.failure.substr(0, outcome.failure.find(':')), kind) << outcome.failure;
        EXPECT_NE(outcome.failure.find(part), std::string::npos) << outcome.failure;
    }
}

} // namespace
} // namespace vorantis::testing
