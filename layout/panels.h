// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's panels: which controls belong together, in the order a person reads them. A
// front end with room for the whole window shows every control at its place in the table; one
// without (a phone, a narrow window) lays out each panel on its own, and a panel too wide for
// the screen as its parts, each of which keeps its arrangement from the table.

#include <span>
#include <string_view>

namespace vorantis {

using PanelPart = std::span<const std::string_view>;

struct Panel {
    std::string_view heading; // the label that heads it; empty where none does
    std::string_view spokenName; // where no label heads it: what a screen reader calls it (English)
    std::span<const PanelPart> parts; // each part's controls in reading order
};

// In reading order. Every control of the table belongs to one, as its heading or in a part, but
// for one that lies outside the client area.
std::span<const Panel> panels();

// Controls the window has but no one sees: a screen reader should not read them either.
std::span<const std::string_view> unseenControls();

} // namespace vorantis
