// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window around its 70 controls, as every front end shows it: the menus and their
// commands, which controls lie above which, the Tab order, the zoom, the faces and the pen.
// A front end reads these; it decides none of them itself.

#include "language/language.h"
#include "layout/control_table.h"

#include <cstddef>

#include <array>
#include <span>
#include <string_view>
#include <vector>

namespace vorantis {

// One face for the whole window, from a free font package the set-up installs.
inline constexpr std::string_view fontFamily = "Liberation Sans";
// The client area's face where a control has none of its own: at 7 pt every caption fits.
inline constexpr double controlPoints = 7;
// The size of a control's face at 100 %: its own, or the client area's.
inline double pointsOf(const ControlRow& row) { return row.fontPoints > 0 ? row.fontPoints : controlPoints; }
// The status line's, a little larger: the longest message still fits on its line.
inline constexpr double statusLinePoints = 8;
// The working's, larger than the panels': a pupil reads it as a page of an exercise book.
inline constexpr double workingPanePoints = 10;
inline constexpr int workingPaneLines = 10; // of entries on view
// A page at least this wide, in CSS pixels, shows the working beside the panels, else below them.
inline constexpr int workingBesideFrom = 1280;
// The drawn lines' pen, in pixels at 100 %.
inline constexpr int linePenPixels = 3;

// The zoom, in percent: from the window's own size to twice it, in steps.
inline constexpr int smallestZoom = 100;
inline constexpr int largestZoom = 200;
inline constexpr int zoomStep = 25;

// What a menu command does. Clear runs the procedure of the same name; the others belong to
// the front end. Practice shows the practice room beside the panels, as Working shows the
// working; Print Worksheet makes a sheet of exercises with its answer key. Read Aloud reads the
// working's newest entry, or the one selected, step by step. Language opens a menu of the
// languages (language/language.h), each listed by its own name.
enum class Command {
    clear,
    printWorksheet,
    about,
    exit,
    working,
    practice,
    readAloud,
    zoomIn,
    zoomOut,
    actualSize,
    language
};
inline constexpr std::size_t commandCount = static_cast<std::size_t>(Command::language) + 1;

struct MenuCommand {
    Command command;
    std::string_view name; // the control's name in the front end: "clear"
    std::string_view caption; // English; the letter after '&' is its access key: "&Clear"
    std::array<std::string_view, 2> shortcuts; // as "Ctrl+Shift+W"; empty where there is none
    bool checkable;
    bool separatorBefore;
};

struct Menu {
    std::string_view name;
    std::string_view caption; // "&File"
    std::span<const MenuCommand> commands;
};

// The menu bar, left to right.
std::span<const Menu> menus();

// The working pane: a row of commands above the entries.
struct PaneControl {
    std::string_view name;
    std::string_view caption;
};
std::span<const PaneControl> workingPaneCommands(); // Copy All, Save As…, Clear
inline constexpr PaneControl workingView{
    "working", translatable("Working")}; // the entries; the caption is its spoken name

// The controls from the bottom up: labels and lines lie behind text fields and buttons.
std::vector<const ControlRow*> stackingOrder();

// What the Tab key visits, in order: the fields and buttons that start shown, by tab index,
// then (while the working is shown) the pane's commands and the entries.
std::vector<std::string_view> tabOrder();

} // namespace vorantis
