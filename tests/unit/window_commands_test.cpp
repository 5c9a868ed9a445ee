#include "panels/window_commands.h"

#include "tests/support/memory_form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorantis {
namespace {

using testing::MemoryForm;
using testing::Write;

// Every text field of the window, the hidden scratch field last, in the order both Clear
// commands empty them.
const char* const fieldOrder[] = {
    "n",      "d",      "Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text8",
    "Text9",  "Text13", "Text14", "Text15", "Text20", "Text21", "Text22", "Text23", "Text24",
    "Text29", "Text30", "Text31", "Text32", "Text33", "Text34", "Text35",
};

std::vector<Write> emptyingEveryField()
{
    std::vector<Write> writes;
    for (const char* name : fieldOrder)
        writes.push_back({name, ""});
    return writes;
}

// A window after some work: every field filled, both result captions and both signs set,
// the fraction panel's minus sign shown.
MemoryForm usedForm()
{
    MemoryForm form;
    for (const Field field : allFields)
        form.type(field, "7");
    form.setCaption(Label::Label12, "3");
    form.setCaption(Label::Label17, "Composite");
    form.setCaption(Label::Label36, "/");
    form.setCaption(Label::Label20, "-");
    form.setVisible(Label::Label41, true);
    form.forgetWrites();
    return form;
}

void expectSignsKept(const MemoryForm& form)
{
    EXPECT_EQ(form.caption(Label::Label36), "/");
    EXPECT_EQ(form.caption(Label::Label20), "-");
    EXPECT_TRUE(form.isVisible(Label::Label41));
    for (const Field field : allFields)
        EXPECT_EQ(form.text(field), "") << controlName(field);
}

TEST(WindowCommands, MenuClearRestoresTheCaptionsThenEmptiesEveryField)
{
    MemoryForm form = usedForm();
    clear_Click(form);
    std::vector<Write> expected{{"Label12", "Calculate"}, {"Label17", "Check"}};
    for (const Write& write : emptyingEveryField())
        expected.push_back(write);
    EXPECT_EQ(form.writes(), expected);
    expectSignsKept(form);
}

TEST(WindowCommands, ClearButtonLeavesTheResultCaptions)
{
    MemoryForm form = usedForm();
    clear21_Click(form);
    EXPECT_EQ(form.writes(), emptyingEveryField());
    EXPECT_EQ(form.caption(Label::Label12), "3");
    EXPECT_EQ(form.caption(Label::Label17), "Composite");
    expectSignsKept(form);
}

} // namespace
} // namespace vorantis
