// SPDX-License-Identifier: GPL-3.0-or-later
#include "working/fraction_forms.h"

#include "core/convert.h"

#include <cstdlib>

namespace vorantis::working {
namespace {

// Numbers beyond this would not show exactly as the program writes them.
constexpr std::int64_t largestExact = 999999999999999;

bool writable(const Ratio& ratio)
{
    return std::llabs(ratio.numerator) <= largestExact && std::llabs(ratio.denominator) <= largestExact;
}

std::string textOf(const Ratio& ratio)
{
    return fraction(wholeText(ratio.numerator), wholeText(ratio.denominator));
}

// The exact value beside the window's fraction, and why they differ.
void addExact(Entry& entry, const ExactValue& exact, const Ratio& lowest, const std::string& shownFraction)
{
    const bool reduced =
        exact.value->numerator == lowest.numerator && exact.value->denominator == lowest.denominator;
    const std::initializer_list<std::pair<std::string_view, std::string>> values{
        {"typed", exact.typed},
        {"exact", reduced ? textOf(lowest) : textOf(*exact.value) + " = " + textOf(lowest)},
        {"shown", shownFraction}};
    entry.add(exact.overHundred
                  ? sentence("exactly, {typed} = {exact}; the calculator's {shown} differs because "
                             "it always builds the fraction over 100",
                             values)
                  : sentence("exactly, {typed} = {exact}; the calculator's {shown} differs because "
                             "it takes the terms as whole numbers to find their least common multiple",
                             values));
}

// The window's fraction agrees where its terms are the exact ones, in lowest terms, but for the
// side its sign is on.
bool agrees(const std::optional<Ratio>& shown, const Ratio& lowest)
{
    if (!shown)
        return false;
    const Ratio reduced = lowestTerms(*shown);
    return reduced.numerator == lowest.numerator && reduced.denominator == lowest.denominator &&
        std::llabs(shown->denominator) == lowest.denominator;
}

} // namespace

std::optional<Ratio> ratioOf(const std::string& numerator, const std::string& denominator)
{
    const auto n = decimalRatio(numerator), d = decimalRatio(denominator);
    return n && d ? divideRatios(*n, *d) : std::nullopt;
}

void explainShownFraction(Entry& entry, const std::string& sign, const std::string& numerator,
                          const std::string& denominator, const ExactValue& exact)
{
    const std::string shownFraction = sign + fraction(numerator, denominator);
    std::optional<Ratio> shown;
    if (isWhole(numerator) && isWhole(denominator) && denominator != "0")
        shown = Ratio{(sign.empty() ? 1 : -1) * std::int64_t{TextToLong(numerator)}, TextToLong(denominator)};
    if (exact.value && writable(*exact.value) && !agrees(shown, lowestTerms(*exact.value))) {
        addExact(entry, exact, lowestTerms(*exact.value), shownFraction);
        return;
    }
    if (!shown || shown->numerator == 0)
        return;
    const Ratio usual = lowestTerms(*shown);
    if (shown->denominator < 0)
        entry.add(sentence("{shown} is usually written {usual}",
                           {{"shown", shownFraction}, {"usual", textOf(usual)}}));
    const MixedNumber mixed = mixedNumber(usual);
    if (mixed.numerator == 0)
        entry.add(sentence("{fraction} is the whole number {whole}",
                           {{"fraction", textOf(usual)}, {"whole", wholeText(mixed.whole)}}));
    else if (mixed.whole != 0)
        entry.add(sentence("as a mixed number, {fraction} = {whole} {rest}/{denominator}",
                           {{"fraction", textOf(usual)},
                            {"whole", wholeText(mixed.whole)},
                            {"rest", wholeText(mixed.numerator)},
                            {"denominator", wholeText(mixed.denominator)}}));
}

} // namespace vorantis::working
