// SPDX-License-Identifier: GPL-3.0-or-later
// The control table and the panels as every front end reads them, in a build without the
// window as well: a control left out of the panels, or in two, would be missing from the page,
// or there twice.

#include "language/language.h"
#include "layout/control_table.h"
#include "layout/panels.h"
#include "layout/window.h"
#include "panels/procedures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

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

// A label that runs a procedure says what a click on it does (its tooltip, and its description
// to a screen reader), which its caption, the procedure's result, cannot; no other control has one.
TEST(ControlTable, GivesEveryLabelThatRunsAProcedureAHintAndNoOtherControl)
{
    std::string mismatched;
    int hinted = 0;
    for (const ControlRow& row : controlTable()) {
        const bool runs = row.kind == ControlKind::Label && procedureFor(row.name);
        hinted += !row.hint.empty();
        if (row.hint.empty() == runs)
            mismatched += std::string(row.name) + " ";
    }
    EXPECT_EQ(mismatched, "");
    EXPECT_GT(hinted, 0);
}

// Fields and buttons lie above every label and line, which a front end makes first; among
// themselves they come in their Tab order.
TEST(StackingOrder, PutsLabelsAndLinesBehindFieldsAndButtonsInTabOrder)
{
    const auto behind = [](const ControlRow* row) {
        return row->kind == ControlKind::Label || row->kind == ControlKind::Line;
    };
    const std::vector<const ControlRow*> order = stackingOrder();
    ASSERT_EQ(order.size(), controlTable().size());
    const auto firstAbove = std::find_if_not(order.begin(), order.end(), behind);
    EXPECT_TRUE(std::all_of(firstAbove, order.end(), [&](const ControlRow* row) { return !behind(row); }));
    EXPECT_TRUE(std::is_sorted(firstAbove, order.end(), [](const ControlRow* a, const ControlRow* b) {
        return a->tabIndex < b->tabIndex;
    }));
}

// Only the scratch field and the minus sign of a fraction result start hidden.
TEST(ControlTable, HidesOnlyTheScratchFieldAndTheResultsMinusSignAtStart)
{
    std::string hidden;
    for (const ControlRow& row : controlTable())
        if (row.startsHidden)
            hidden += std::string(row.name) + " ";
    EXPECT_EQ(hidden, "Text35 Label41 ");
}

// The menus as a pupil reads them down, in both front ends: a tick beside the two entries that
// show or hide a part of the window and nowhere else, a rule between groups of entries.
TEST(Menus, TickWhatShowsOrHidesAndRuleOffTheirGroups)
{
    std::string read;
    for (const Menu& menu : menus()) {
        read += std::string(menu.caption) + ":";
        for (const MenuCommand& command : menu.commands)
            read += std::string(command.separatorBefore ? " |" : "") + (command.checkable ? " [x]" : " ") +
                std::string(command.caption);
        read += "\n";
    }
    EXPECT_EQ(read,
              "&File: &Clear &Print Worksheet… | &About  E&xit\n"
              "&View: [x]&Working [x]&Practice &Read Aloud | Zoom &In Zoom &Out &Actual Size | &Language\n");
}

// Alt and a letter opens a menu, and a letter in it runs a command: two entries with one letter
// would leave one of them out of reach of the keyboard (Dutch "&Uitwerking" beside "&Uitzoomen").
TEST(Menus, GiveEveryEntryALetterOfItsOwnInEveryLanguage)
{
    // The character after '&', as its UTF-8 bytes, a Latin capital as its small letter.
    const auto letterOf = [](std::string_view caption) {
        const std::size_t mark = caption.find('&');
        if (mark == std::string_view::npos || mark + 1 == caption.size())
            return std::string();
        std::size_t length = 1;
        while (mark + 1 + length < caption.size() && (caption[mark + 1 + length] & 0xc0) == 0x80)
            ++length;
        std::string letter(caption.substr(mark + 1, length));
        if (letter == "Ü" || letter == "Ö" || letter == "Ä" || letter == "À" || letter == "É")
            letter = letter == "Ü" ? "ü"
                : letter == "Ö"    ? "ö"
                : letter == "Ä"    ? "ä"
                : letter == "À"    ? "à"
                                   : "é";
        else if (length == 1)
            letter[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(letter[0])));
        return letter;
    };
    for (const Language& language : languages()) {
        std::map<std::string, std::string> bar;
        for (const Menu& menu : menus()) {
            const std::string_view caption = trIn(language, menu.caption);
            EXPECT_TRUE(bar.emplace(letterOf(caption), caption).second)
                << language.code << ": " << caption << " and " << bar[letterOf(caption)];
            std::map<std::string, std::string> entries;
            for (const MenuCommand& command : menu.commands) {
                const std::string_view entry = trIn(language, command.caption);
                EXPECT_TRUE(entries.emplace(letterOf(entry), entry).second)
                    << language.code << ": " << entry << " and " << entries[letterOf(entry)];
            }
            EXPECT_EQ(entries.count(""), 0u) << language.code << ": an entry without a letter";
        }
    }
}

} // namespace
} // namespace vorantis::testing
