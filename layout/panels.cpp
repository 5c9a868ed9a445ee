// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/panels.h"

#include "language/language.h"

namespace vorantis {
namespace {

using Names = std::string_view[];

// A part is as wide as a phone allows once its smallest target is big enough for a finger: the
// conversion panel's buttons, its fraction, decimal and percent, and its common factor and
// multiple are three parts; so are the fractions and their buttons, and the decimal operands and
// theirs. Each column's heading is read just before its field.
constexpr Names title{"clear21"};
constexpr Names conversionButtons{"Label39", "fromfrac", "fromdec", "frompercent", "simp", "Label8"};
constexpr Names conversionFields{"n", "Line2", "d", "Label3", "Text1", "Label4", "Text2", "Label7"};
constexpr Names conversionFactors{"Label9", "Text5", "Label10", "Text6"};
constexpr Names squareRoot{"Text8", "Label12"};
constexpr Names prime{"Text9", "Label17"};
constexpr Names exponents{"Text13", "Text14", "Label16", "Text15", "calcsquare"};
constexpr Names fractions{"Text29", "Label22", "Text30",  "Label20", "Text35",  "Text31", "Label23",
                          "Text32", "Label21", "Label41", "Text33",  "Label24", "Text34"};
constexpr Names fractionButtons{"addfrac", "subfrac", "multifrac", "divfrac"};
constexpr Names decimals{"Text20", "Label36", "Text21", "Label35", "Text22"};
constexpr Names decimalButtons{"decadd", "decsub", "decmulti", "mecdiv"};
constexpr Names integerDivision{"Text23", "Line1",   "Text24", "Label6",
                                "Text3",  "Label40", "Text4",  "Command3"};

constexpr PanelPart titleParts[]{title};
constexpr PanelPart conversionParts[]{conversionButtons, conversionFields, conversionFactors};
constexpr PanelPart squareRootParts[]{squareRoot};
constexpr PanelPart primeParts[]{prime};
constexpr PanelPart exponentParts[]{exponents};
constexpr PanelPart fractionParts[]{fractions, fractionButtons};
constexpr PanelPart decimalParts[]{decimals, decimalButtons};
constexpr PanelPart integerDivisionParts[]{integerDivision};

// In the window's Tab order, the title first.
constexpr Panel table[]{
    {"Label1", {}, titleParts},       {{}, translatable("Fraction, Decimal, and Percent"), conversionParts},
    {"Label11", {}, squareRootParts}, {"Label13", {}, primeParts},
    {"Label15", {}, exponentParts},   {"Label19", {}, fractionParts},
    {"Label34", {}, decimalParts},    {"Label5", {}, integerDivisionParts},
};

// "Fraction" lies behind Simplify, and "Geometry" below the client area.
constexpr Names unseen{"Label8", "Label38"};

} // namespace

std::span<const Panel> panels() { return table; }

std::span<const std::string_view> unseenControls() { return unseen; }

} // namespace vorantis
