// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The 70 controls of the window as data, one row each. Every front end builds its controls
// from these rows with one loop: nothing about a control is written anywhere else. Captions,
// names and hints are English, to be looked up with tr() where they are shown.
// Positions are in twips (15 to a logical pixel), measured from the top-left corner of the
// client area.

#include <span>
#include <string>
#include <string_view>

namespace vorantis {

enum class ControlKind { TextField, Label, Button, Line };

struct TwipRect {
    int left;
    int top;
    int width; // for a line: the run from its first point to its second
    int height; // for a line: the rise, negative where the line climbs
};

struct ControlRow {
    std::string_view name;
    ControlKind kind;
    std::string_view caption; // labels and buttons: the caption at start
    TwipRect rect; // a line runs from (left, top) to (left + width, top + height)
    int tabIndex; // -1 for lines, which take no place in the tab order
    double fontPoints; // 0: the default font of the client area
    bool bold;
    bool startsHidden;
    std::string_view spokenName; // what a screen reader says and a message calls it; empty: the caption
    std::string_view enterRuns = {}; // text fields: the control whose click Return in the field runs
    std::string_view hint = {}; // clickable labels: what a click does, for a tooltip
    std::string_view messageName = {}; // text fields: what a message calls it, "the divisor"
    std::string_view captionContext = {}; // which of a caption's translations, where it has two
    std::string_view captionedBy = {}; // text fields: the label over it, whose words its name begins with
};

inline constexpr int twipsPerPixel = 15;
inline constexpr int clientWidthTwips = 12000;
inline constexpr int clientHeightTwips = 2805;

std::span<const ControlRow> controlTable();

// The row's caption in the language in use.
std::string_view captionOf(const ControlRow& row);

// What a screen reader calls the control, in the language in use: its spoken name, after the
// caption of the label over it where the name does not already begin with those words, so
// that a pupil who says what they see ("LCM") finds it. Empty for a control named by its caption.
std::string spokenNameOf(const ControlRow& row);

// The row of the control with this name, or nullptr.
const ControlRow* controlRow(std::string_view name);

} // namespace vorantis
