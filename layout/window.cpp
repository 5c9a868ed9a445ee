// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/window.h"

#include <algorithm>

namespace vorantis {
namespace {

using enum Command;

constexpr MenuCommand fileCommands[]{
    {clear, "clear", "&Clear", {}, false, false},
    {about, "about", "&About ", {}, false, false},
    {exit, "exit", "E&xit", {}, false, false},
};

constexpr MenuCommand viewCommands[]{
    {working, "working", "&Working", {"Ctrl+Shift+W"}, true, false},
    {zoomIn, "zoomIn", "Zoom &In", {"Ctrl++", "Ctrl+="}, false, true},
    {zoomOut, "zoomOut", "Zoom &Out", {"Ctrl+-"}, false, false},
    {actualSize, "actualSize", "&Actual Size", {"Ctrl+0"}, false, false},
};

constexpr Menu menuBar[]{
    {"file", "&File", fileCommands},
    {"view", "&View", viewCommands},
};

constexpr PaneControl paneCommands[]{
    {"copyAll", "Copy All"},
    {"saveAs", "Save As…"},
    {"clearWorking", "Clear"},
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
    std::vector<const ControlRow*> order;
    for (const ControlRow& row : controlTable())
        order.push_back(&row);
    // Behind, in the table's order; above them, the fields and buttons in their Tab order.
    std::stable_sort(order.begin(), order.end(), [](const ControlRow* a, const ControlRow* b) {
        if (liesBehind(*a) || liesBehind(*b))
            return liesBehind(*a) && !liesBehind(*b);
        return a->tabIndex < b->tabIndex;
    });
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
