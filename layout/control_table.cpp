// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/control_table.h"

#include "language/language.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace vorantis {
namespace {

using enum ControlKind;

constexpr ControlRow field(std::string_view name, TwipRect rect, int tabIndex, std::string_view spokenName,
                           std::string_view messageName, double fontPoints = 0, bool hidden = false)
{
    ControlRow row{name, TextField, {}, rect, tabIndex, fontPoints, false, hidden, spokenName};
    row.messageName = messageName;
    return row;
}

constexpr ControlRow label(std::string_view name, std::string_view caption, TwipRect rect, int tabIndex,
                           double fontPoints = 0, bool bold = false, bool hidden = false,
                           std::string_view spokenName = {})
{
    return {name, Label, caption, rect, tabIndex, fontPoints, bold, hidden, spokenName};
}

constexpr ControlRow fractionBar(std::string_view name, std::string_view underscores, TwipRect rect,
                                 int tabIndex, double fontPoints)
{
    return label(name, underscores, rect, tabIndex, fontPoints, false, false, translatable("fraction bar"));
}

constexpr ControlRow button(std::string_view name, std::string_view caption, TwipRect rect, int tabIndex,
                            std::string_view spokenName = {}, double fontPoints = 0)
{
    return {name, Button, caption, rect, tabIndex, fontPoints, false, false, spokenName};
}

// A heading over a field, whose word may need to be shorter than a button's of the same English.
constexpr ControlRow heading(std::string_view name, TextInContext caption, TwipRect rect, int tabIndex)
{
    ControlRow row = label(name, caption.english, rect, tabIndex);
    row.captionContext = caption.context;
    return row;
}

// A label that acts as a button: its caption is where its procedure shows the result.
constexpr ControlRow clickableLabel(std::string_view name, std::string_view caption, TwipRect rect,
                                    int tabIndex, std::string_view hint)
{
    ControlRow row = label(name, caption, rect, tabIndex);
    row.hint = hint;
    return row;
}

// A field under a label that says what it holds.
constexpr ControlRow captionedBy(ControlRow field, std::string_view label)
{
    field.captionedBy = label;
    return field;
}

// A field in which Return runs the procedure of another control, for a panel whose only
// control to click is a label, which the keyboard cannot reach.
constexpr ControlRow enterRuns(ControlRow field, std::string_view control)
{
    field.enterRuns = control;
    return field;
}

constexpr ControlRow line(std::string_view name, int x1, int y1, int x2, int y2)
{
    return {name, Line, {}, {x1, y1, x2 - x1, y2 - y1}, -1, 0, false, false, {}};
}

constexpr std::array rows{
    // Title and Clear button
    label("Label1", translatable("Arithmetic"), {5280, 0, 2295, 495}, 0, 24),
    button("clear21", translatable("Clear"), {3960, 120, 1215, 375}, 57, {}, 13.5),

    // Conversion panel
    label("Label39", translatable("From:"), {240, 240, 375, 255}, 47),
    button("fromfrac", translatable("Fraction"), {720, 240, 855, 255}, 44, translatable("from fraction")),
    button("fromdec", translatable("Decimal"), {1920, 240, 855, 255}, 45, translatable("from decimal")),
    button("frompercent", translatable("Percent"), {3000, 240, 855, 255}, 46, translatable("from percent")),
    button("simp", translatable("Simplify"), {1920, 600, 855, 255}, 48),
    heading("Label8", translatableIn("heading", "Fraction"), {1920, 720, 975, 255}, 7),
    heading("Label3", translatableIn("heading", "Decimal"), {3000, 720, 735, 255}, 6),
    heading("Label4", translatableIn("heading", "Percent"), {3720, 720, 615, 255}, 8),
    label("Label9", translatable("LCM"), {4800, 720, 375, 255}, 10),
    label("Label10", translatable("LCD"), {5640, 720, 375, 255}, 12),
    field("n", {1680, 960, 495, 285}, 1, translatable("numerator of the fraction"),
          translatable("the numerator of the fraction")),
    line("Line2", 2160, 1200, 2280, 960),
    field("d", {2280, 960, 495, 285}, 2, translatable("denominator of the fraction"),
          translatable("the denominator of the fraction")),
    captionedBy(
        field("Text1", {3000, 960, 495, 285}, 3, translatable("decimal"), translatable("the decimal")),
        "Label3"),
    captionedBy(
        field("Text2", {3720, 960, 495, 285}, 4, translatable("percent"), translatable("the percent")),
        "Label4"),
    label("Label7", "%", {4320, 840, 375, 375}, 5, 13.5),
    captionedBy(field("Text5", {4680, 960, 615, 285}, 9, translatable("common factor"),
                      translatable("the common factor")),
                "Label9"),
    captionedBy(field("Text6", {5520, 960, 615, 285}, 11, translatable("least common multiple"),
                      translatable("the least common multiple")),
                "Label10"),

    // Prime panel
    label("Label13", translatable("Prime or Composite"), {120, 720, 2535, 375}, 15, 9.75),
    enterRuns(field("Text9", {240, 960, 495, 285}, 16, translatable("number to test"),
                    translatable("the number to test")),
              "Label17"),
    clickableLabel("Label17", translatable("Check"), {840, 960, 855, 255}, 36,
                   translatable("Click to test whether the number is prime (or press Enter in its field)")),

    // Square root panel
    label("Label11", translatable("Square Root"), {120, 1440, 1695, 375}, 13, 9.75),
    enterRuns(field("Text8", {120, 1800, 615, 285}, 14, translatable("number under the root"),
                    translatable("the number under the root")),
              "Label12"),
    clickableLabel("Label12", translatable("Calculate"), {840, 1800, 1215, 255}, 35,
                   translatable("Click to take the square root of the number (or press Enter in its field)")),

    // Integer division panel
    label("Label5", translatable("Int Divide"), {2640, 1320, 855, 255}, 65, 9.75),
    field("Text23", {1920, 1560, 855, 285}, 62, translatable("dividend"), translatable("the dividend")),
    line("Line1", 2760, 1920, 3000, 1560),
    field("Text24", {3000, 1560, 975, 285}, 63, translatable("divisor"), translatable("the divisor")),
    label("Label6", translatable("Result"), {2040, 1920, 615, 255}, 66),
    label("Label40", translatable("Remainder"), {3120, 1920, 855, 255}, 67),
    captionedBy(
        field("Text3", {1920, 2160, 855, 285}, 60, translatable("quotient"), translatable("the quotient")),
        "Label6"),
    captionedBy(
        field("Text4", {3000, 2160, 975, 285}, 61, translatable("remainder"), translatable("the remainder")),
        "Label40"),
    button("Command3", translatable("Solve"), {2520, 2400, 735, 255}, 64),

    // Decimal arithmetic panel
    label("Label34", translatable("Add, Subtract, Multiply, and Divide"), {4800, 1440, 3135, 255}, 37, 9.75),
    field("Text20", {4200, 1800, 855, 285}, 38, translatable("left operand"),
          translatable("the left operand")),
    label("Label36", "", {5160, 1800, 255, 255}, 42),
    field("Text21", {5400, 1800, 855, 285}, 39, translatable("right operand"),
          translatable("the right operand")),
    label("Label35", "=", {6360, 1800, 135, 255}, 40),
    field("Text22", {6480, 1800, 1455, 285}, 41, translatable("result"), translatable("the result")),
    button("decadd", "+", {5640, 2160, 255, 195}, 56, translatable("add")),
    button("decsub", "-", {5880, 2160, 255, 195}, 53, translatable("subtract")),
    button("decmulti", "*", {6120, 2160, 255, 195}, 54, translatable("multiply")),
    button("mecdiv", "/", {6360, 2160, 255, 195}, 55, translatable("divide")),

    // Exponent panel
    label("Label15", translatable("Exponents"), {6600, 720, 1575, 375}, 17, 9.75),
    field("Text13", {6360, 960, 495, 450}, 18, translatable("base"), translatable("the base"), 12),
    field("Text14", {6840, 960, 375, 285}, 19, translatable("exponent"), translatable("the exponent")),
    label("Label16", "=", {7200, 960, 255, 375}, 20, 13.5),
    field("Text15", {7440, 960, 495, 285}, 21, translatable("power"), translatable("the power")),
    button("calcsquare", translatable("Calculate"), {6840, 1200, 1215, 255}, 59,
           translatable("calculate the power")),

    // Fraction arithmetic panel
    label("Label19", translatable("Multiply, Divide, and Add Fractions"), {8160, 360, 1935, 495}, 22, 9.75,
          true),
    field("Text29", {8040, 960, 495, 285}, 23, translatable("numerator of the first fraction"),
          translatable("the numerator of the first fraction")),
    fractionBar("Label22", "___", {8040, 840, 495, 855}, 31, 24),
    field("Text30", {8040, 1440, 495, 285}, 24, translatable("denominator of the first fraction"),
          translatable("the denominator of the first fraction")),
    label("Label20", "", {8640, 1080, 615, 375}, 27, 24),
    field("Text35", {8520, 1560, 150, 285}, 33, translatable("scratch"), translatable("the scratch"), 0,
          true),
    field("Text31", {9000, 960, 495, 285}, 25, translatable("numerator of the second fraction"),
          translatable("the numerator of the second fraction")),
    fractionBar("Label23", "____", {9000, 840, 495, 735}, 32, 24),
    field("Text32", {9000, 1440, 495, 285}, 26, translatable("denominator of the second fraction"),
          translatable("the denominator of the second fraction")),
    label("Label21", "=", {9600, 1080, 255, 495}, 28, 24),
    label("Label41", "-", {9960, 840, 255, 375}, 58, 18, false, true),
    field("Text33", {10200, 960, 495, 285}, 29, translatable("numerator of the result"),
          translatable("the numerator of the result")),
    fractionBar("Label24", "____", {10200, 960, 495, 735}, 34, 18),
    field("Text34", {10200, 1440, 495, 285}, 30, translatable("denominator of the result"),
          translatable("the denominator of the result")),
    button("addfrac", "+", {10800, 960, 255, 195}, 49, translatable("add fractions")),
    button("subfrac", "-", {10800, 1200, 255, 195}, 50, translatable("subtract fractions")),
    button("multifrac", "*", {10800, 1440, 255, 195}, 51, translatable("multiply fractions")),
    button("divfrac", "/", {10800, 1680, 255, 195}, 52, translatable("divide fractions")),

    // Below the client area: never seen at the window's size
    label("Label38", translatable("Geometry"), {4920, 3360, 2175, 495}, 43, 24),
};

static_assert(rows.size() == 70);

consteval bool onWholePixels()
{
    for (const ControlRow& row : rows)
        for (int twips : {row.rect.left, row.rect.top, row.rect.width, row.rect.height})
            if (twips % twipsPerPixel != 0)
                return false;
    return true;
}
static_assert(onWholePixels(), "every position is a whole number of pixels");

} // namespace

std::span<const ControlRow> controlTable() { return rows; }

std::string_view captionOf(const ControlRow& row)
{
    return row.caption.empty() ? row.caption : tr(row.caption, row.captionContext);
}

namespace {

bool beginsWith(std::string_view text, std::string_view start)
{
    const auto lower = [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); };
    return text.size() >= start.size() &&
        std::equal(start.begin(), start.end(), text.begin(),
                   [&](char a, char b) { return lower(a) == lower(b); });
}

} // namespace

std::string spokenNameOf(const ControlRow& row)
{
    if (row.spokenName.empty())
        return {};
    const std::string_view name = tr(row.spokenName);
    const ControlRow* label = row.captionedBy.empty() ? nullptr : controlRow(row.captionedBy);
    if (!label || beginsWith(name, captionOf(*label)))
        return std::string(name);
    return fill(tr("{caption}, {name}"), {{"caption", captionOf(*label)}, {"name", name}});
}

const ControlRow* controlRow(std::string_view name)
{
    // std::find_if rather than std::ranges::find: the WebAssembly toolchain's library has
    // no ranges algorithms.
    const auto row =
        std::find_if(rows.begin(), rows.end(), [name](const ControlRow& r) { return r.name == name; });
    return row == rows.end() ? nullptr : &*row;
}

} // namespace vorantis
