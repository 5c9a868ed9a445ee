// SPDX-License-Identifier: GPL-3.0-or-later
// The control table and the panels as every front end reads them, in a build without the
// window as well: a control left out of the panels, or in two, would be missing from the page,
// or there twice.

#include "layout/control_table.h"
#include "layout/panels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

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

// A front end orders its controls by these numbers alone: two controls with one number, or a
// gap, would leave the order to the front end.
TEST(ControlTable, GivesEveryControlButTheLinesATabIndexOfItsOwnFrom0Up)
{
    std::set<int> indices;
    int controls = 0;
    for (const ControlRow& row : controlTable()) {
        EXPECT_EQ(row.tabIndex < 0, row.kind == ControlKind::Line) << row.name;
        if (row.kind != ControlKind::Line)
            indices.insert(row.tabIndex), ++controls;
    }
    EXPECT_EQ(int(indices.size()), controls);
    EXPECT_TRUE(*indices.begin() == 0 && *indices.rbegin() == controls - 1);
}

// Return runs a panel from a field only in the square root's field and in the prime test's, and
// nowhere else.
TEST(ControlTable, LetsReturnRunOnlyTheSquareRootAndThePrimeTest)
{
    std::string runs;
    for (const ControlRow& row : controlTable())
        if (!row.enterRuns.empty())
            runs += std::string(row.name) + " runs " + std::string(row.enterRuns) + "; ";
    EXPECT_EQ(runs, "Text9 runs Label17; Text8 runs Label12; ");
}

} // namespace
} // namespace vorantis::testing
