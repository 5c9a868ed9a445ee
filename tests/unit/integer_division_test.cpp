#include "panels/integer_division.h"

#include "tests/support/test_helpers.h"

#include <gtest/gtest.h>

#include <string>

namespace vorantis {
namespace {

// Failures are in the failure table. The fields go to divide as fields, so each of its two
// calls reads them at every use: dividend and divisor for the whole quotient, the divisor
// for its product, the dividend for the remainder and again for the quotient's difference,
// and the divisor to divide that.
TEST(IntDividePanel, WritesQuotientThenRemainderReadingTheFieldsAtEachUse)
{
    const std::string eachCall = "Text23 Text24 Text24 Text23 Text23 Text24";
    const struct {
        const char* typed;
        const char* writes;
    } rows[] = {
        {"Text23=-17 Text24=5", "Text3=-4 Text4=3"},
        {"Text23=17 Text24=-5", "Text3=-4 Text4=-3"},
        {"Text23=-7.5 Text24=2", "Text3=-4 Text4=0.5"},
    };
    for (const auto& row : rows) {
        testing::ReadLogForm form;
        testing::typeInto(form, row.typed);
        EXPECT_EQ(testing::outcome(form, Command3_Click), row.writes) << row.typed;
        EXPECT_EQ(form.reads(), eachCall + " " + eachCall) << row.typed;
    }
}

} // namespace
} // namespace vorantis
