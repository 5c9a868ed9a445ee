#include "panels/window_commands.h"

#include "tests/support/test_helpers.h"

#include <gtest/gtest.h>

#include <string>

namespace vorantis {
namespace {

// Every text field of the window, the hidden scratch field last, in the order both Clear
// commands empty them. The writes are all a command does: the operator signs and the
// fraction panel's minus sign stay as they were.
const std::string emptyingEveryField = "n= d= Text1= Text2= Text3= Text4= Text5= Text6= Text8= Text9= "
                                       "Text13= Text14= Text15= Text20= Text21= Text22= Text23= Text24= "
                                       "Text29= Text30= Text31= Text32= Text33= Text34= Text35=";

TEST(WindowCommands, MenuClearRestoresTheResultCaptionsThenEmptiesEveryField)
{
    EXPECT_EQ(testing::outcome(clear_Click, "n=7 Text35=7"),
              "Label12=Calculate Label17=Check " + emptyingEveryField);
}

TEST(WindowCommands, ClearButtonEmptiesEveryFieldOnly)
{
    EXPECT_EQ(testing::outcome(clear21_Click, "n=7 Text35=7"), emptyingEveryField);
}

} // namespace
} // namespace vorantis
