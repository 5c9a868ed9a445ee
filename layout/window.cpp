// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/window.h"

#include "language/language.h"

#include <algorithm>

namespace vorantis {
namespace {

using enum Command;

constexpr MenuCommand fileCommands[]{
    {clear, "clear", translatable("&Clear"), {}, false, false},
    {printWorksheet, "printWorksheet", translatable("&Print Worksheet…"), {"Ctrl+P"}, false, false},
    {about, "about", translatable("&About "), {}, false, true},
    {exit, "exit", translatable("E&xit"), {}, false, false},
};

constexpr MenuCommand viewCommands[]{
    {working, "working", translatable("&Working"), {"Ctrl+Shift+W"}, true, false},
    {practice, "practice", translatable("&Practice"), {}, true, false},
    {readAloud, "readAloud", translatable("&Read Aloud"), {"Ctrl+Shift+L"}, false, false},
    {zoomIn, "zoomIn", translatable("Zoom &In"), {"Ctrl++", "Ctrl+="}, false, true},
    {zoomOut, "zoomOut", translatable("Zoom &Out"), {"Ctrl+-"}, false, false},
    {actualSize, "actualSize", translatable("&Actual Size"), {"Ctrl+0"}, false, false},
    {language, "language", translatable("&Language"), {}, false, true},
};

constexpr Menu menuBar[]{
    {"file", translatable("&File"), fileCommands},
    {"view", translatable("&View"), viewCommands},
};

constexpr PaneControl paneCommands[]{
    {"copyAll", translatable("Copy All")},
    {"saveAs", translatable("Save As…")},
    {"clearWorking", translatable("Clear")},
};

bool liesBehind(const ControlRow& row)
{
    return row.kind == ControlKind::Label || row.kind == ControlKind::Line;
}

} // namespace

std::span<const Menu> menus() { return menuBar; }

std::span<const PaneControl> workingPaneCommands() { return paneCommands; }

std::vector<const ControlRow*> stackingOrder()
{
    // Behind, in the table's order; above them, the fields and buttons in their Tab order.
    const auto goesBefore = [](const ControlRow& a, const ControlRow& b) {
        if (liesBehind(a) || liesBehind(b))
            return liesBehind(a) && !liesBehind(b);
        return a.tabIndex < b.tabIndex;
    };
    // Each row after those it does not go before, which keeps the table's order among equals:
    // a stable sort of a table this short, without std::stable_sort's weight in the page's module.
    std::vector<const ControlRow*> order;
    for (const ControlRow& row : controlTable())
        order.insert(std::find_if(order.begin(), order.end(),
                                  [&](const ControlRow* placed) { return goesBefore(row, *placed); }),
                     &row);
    return order;
}

std::vector<std::string_view> tabOrder()
{
    std::vector<std::string_view> order;
    for (const ControlRow* row : stackingOrder())
        if (!liesBehind(*row) && !row->startsHidden)
            order.push_back(row->name);
    for (const PaneControl& command : paneCommands)
        order.push_back(command.name);
    order.push_back(workingView.name);
    return order;
}

} // namespace vorantis
