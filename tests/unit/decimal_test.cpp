#include "panels/decimal.h"

#include "tests/support/test_helpers.h"

#include <gtest/gtest.h>

namespace vorantis {
namespace {

// The sign goes up before either operand is read; a failed click leaves Text22 as it was.
TEST(DecimalPanel, WritesTheSignThenTheResult)
{
    const struct {
        void (*click)(Form&);
        const char* typed;
        const char* outcome;
    } rows[] = {
        {decadd_Click, "Text20=2 Text21=3", "Label36=+ Text22=5"},
        {decsub_Click, "Text20=2 Text21=7", "Label36=- Text22=-5"},
        {decmulti_Click, "Text20=-.5 Text21=2E3", "Label36=* Text22=-1000"},
        {mecdiv_Click, "Text20=7 Text21=2", "Label36=/ Text22=3.5"},
        {decadd_Click, "Text20=0.1 Text21=0.2", "Label36=+ Text22=0.3"},
        {decmulti_Click, "Text20=1E200 Text21=1E200", "Label36=* Text22=Infinity"},
        {mecdiv_Click, "Text20=-1E200 Text21=1E-200", "Label36=/ Text22=-Infinity"},
        {decmulti_Click, "Text20=1E-200 Text21=1E-200", "Label36=* Text22=0"},
        {decmulti_Click, "Text20=0,5 Text21=1", "Label36=* !NotANumber"}, // a comma is no decimal mark
    };
    for (const auto& row : rows)
        EXPECT_EQ(testing::outcome(row.click, row.typed), row.outcome) << row.typed;
}

// The left operand is read first, and a failed read stops the click there (not yet in the
// failure table for this procedure).
TEST(DecimalPanel, AdditionReadsTheLeftOperandFirst)
{
    testing::ReadLogForm form;
    testing::typeInto(form, "Text20=left? Text21=right?");
    EXPECT_EQ(testing::outcome(form, decadd_Click), "Label36=+ !NotANumber");
    EXPECT_EQ(form.reads(), "Text20");
}

} // namespace
} // namespace vorantis
