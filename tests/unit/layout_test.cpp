// SPDX-License-Identifier: GPL-3.0-or-later
// The panels a narrow screen shows one by one hold the whole window: a control left out of
// them, or in two, would be missing from the page, or there twice.

#include "layout/control_table.h"
#include "layout/panels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace vorantis::testing {
namespace {

TEST(Panels, HoldEveryControlOnceButOneNoOneSeesOutsideTheWindow)
{
    std::map<std::string_view, int> times;
    for (const Panel& panel : panels()) {
        times[panel.heading] += !panel.heading.empty();
        EXPECT_NE(panel.heading.empty(), panel.spokenName.empty()) << "a panel is named once";
        for (const PanelPart part : panel.parts)
            for (const std::string_view name : part)
                ++times[name];
    }
    const auto unseen = unseenControls();
    for (const ControlRow& row : controlTable()) {
        const bool outside = row.rect.top >= clientHeightTwips || row.rect.left >= clientWidthTwips;
        EXPECT_EQ(times[row.name], outside ? 0 : 1) << row.name;
        EXPECT_TRUE(!outside || std::find(unseen.begin(), unseen.end(), row.name) != unseen.end())
            << row.name;
        times.erase(row.name);
    }
    times.erase("");
    EXPECT_TRUE(times.empty()) << "a panel names a control the table does not have: " << times.begin()->first;
}

} // namespace
} // namespace vorantis::testing
