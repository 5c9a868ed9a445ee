// SPDX-License-Identifier: GPL-3.0-or-later
// The control table as every front end reads it, in a build without the window as well.

#include "layout/control_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vorantis::testing {
namespace {

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
