#include "panels/root_power_prime.h"

#include "tests/support/test_helpers.h"

#include <gtest/gtest.h>

#include <string>

namespace vorantis {
namespace {

// Failures are in the failure table. Each row runs with the prime caption showing each of the
// words it can hold: "True"/"False" is written, then read back to become the word, so what the
// label showed before the click must not matter.
TEST(RootPowerPrimePanels, ResultsAndTheOrderOfReads)
{
    const struct {
        void (*click)(Form&);
        const char* typed;
        const char* writes;
        const char* reads;
    } rows[] = {
        {Label12_Click, "Text8=16", "Label12=4", "Text8"},
        {Label12_Click, "Text8=2", "Label12=1.4142135623731", "Text8"},
        {Label12_Click, "Text8=-0", "Label12=0", "Text8"},
        {calcsquare_Click, "Text13=2 Text14=10", "Text15=1024", "Text14 Text13"},
        {calcsquare_Click, "Text13=-8 Text14=3", "Text15=-512", "Text14 Text13"},
        {calcsquare_Click, "Text13=-2 Text14=-2", "Text15=0.25", "Text14 Text13"},
        {calcsquare_Click, "Text13=0 Text14=0", "Text15=1", "Text14 Text13"},
        {calcsquare_Click, "Text13=-0 Text14=0.5", "Text15=0", "Text14 Text13"},
        {calcsquare_Click, "Text13=10 Text14=308", "Text15=1E+308", "Text14 Text13"},
        {calcsquare_Click, "Text13=0.5 Text14=1080", "Text15=0", "Text14 Text13"}, // too small: 0
        {Label17_Click, "Text9=2", "Label17=True Label17=Prime", "Text9 Label17 Label17"},
        {Label17_Click, "Text9=2147483647", "Label17=True Label17=Prime", "Text9 Label17 Label17"},
        {Label17_Click, "Text9=9", "Label17=False Label17=Composite", "Text9 Label17 Label17"},
        {Label17_Click, "Text9=1", "Label17=Neither", "Text9"},
    };
    for (const auto& row : rows)
        for (const char* before : {"Check", "Prime", "Composite", "True", "False", "Neither"}) {
            testing::ReadLogForm form;
            testing::typeInto(form, row.typed);
            form.setCaption(Label::Label17, before);
            form.forgetWrites();
            EXPECT_EQ(testing::outcome(form, row.click), row.writes) << row.typed << ", showing " << before;
            EXPECT_EQ(form.reads(), row.reads) << row.typed << ", showing " << before;
        }
}

} // namespace
} // namespace vorantis
