// SPDX-License-Identifier: GPL-3.0-or-later
#include "working/fraction_forms.h"

#include "core/convert.h"
#include "language/language.h"
#include "working/seen.h"

#include <cstdlib>

namespace vorantis::working {
namespace {

// Numbers beyond this would not show exactly as the program writes them.
constexpr std::int64_t largestExact = 999999999999999;

bool writable(const Ratio& ratio)
{
    return std::llabs(ratio.numerator) <= largestExact && std::llabs(ratio.denominator) <= largestExact;
}

// A fraction as a pupil writes it: the minus sign before it, never in the denominator.
Math usualFraction(const Ratio& ratio)
{
    const Math unsigned_ = fraction(term(std::llabs(ratio.numerator)), term(ratio.denominator));
    return ratio.numerator < 0 ? row({sign("−"), unsigned_}) : unsigned_;
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

// "= 1 3/4" or "= 2" after an improper fraction in lowest terms; nothing for a proper one.
std::optional<Math> wholeOrMixed(const Ratio& usual)
{
    const MixedNumber mixed = mixedNumber(usual);
    if (mixed.numerator == 0)
        return term(mixed.whole);
    if (mixed.whole == 0)
        return std::nullopt;
    const Math number =
        row({term(std::llabs(mixed.whole)), fraction(term(mixed.numerator), term(mixed.denominator))});
    return mixed.whole < 0 ? row({sign("−"), number}) : number;
}

} // namespace

std::optional<Ratio> ratioOf(const std::string& numerator, const std::string& denominator)
{
    const auto n = decimalRatio(numerator), d = decimalRatio(denominator);
    return n && d ? divideRatios(*n, *d) : std::nullopt;
}

Math shownFraction(bool negative, const std::string& numerator, const std::string& denominator)
{
    const Math shown = fraction(term(numerator), term(denominator));
    return negative ? row({sign("−"), shown}) : shown;
}

void addAnswer(Entry& entry, Math calculation, bool negative, const std::string& numerator,
               const std::string& denominator, const std::optional<Ratio>& exact, std::optional<Math> last)
{
    std::vector<Math> answer{std::move(calculation), sign("="),
                             shownFraction(negative, numerator, denominator)};
    std::optional<Ratio> shown;
    if (isWhole(numerator) && isWhole(denominator) && denominator != "0")
        shown = Ratio{(negative ? -1 : 1) * std::int64_t{TextToLong(numerator)}, TextToLong(denominator)};
    const bool exactDiffers = exact && writable(*exact) && !agrees(shown, lowestTerms(*exact));
    if (shown && shown->numerator != 0 && shown->denominator > 0 && !exactDiffers)
        if (const auto more = wholeOrMixed(lowestTerms(*shown)))
            answer.insert(answer.end(), {sign("="), *more});
    if (last)
        answer.insert(answer.end(), {sign("="), std::move(*last)});
    entry.result = working::shown(row(std::move(answer)));
    if (exactDiffers) {
        // The steps said why: the terms taken as whole numbers. The exact value comes after the answer.
        entry.result = said(
            translatable("{answer}, exactly {exact}"),
            {{"answer", entry.result->values.front().second}, {"exact", usualFraction(lowestTerms(*exact))}});
    } else if (shown && shown->denominator < 0 && shown->numerator != 0) {
        entry.afterword = said(translatable("{shown} is usually written {usual}"),
                               {{"shown", shownFraction(negative, numerator, denominator)},
                                {"usual", usualFraction(lowestTerms(*shown))}});
    }
}

} // namespace vorantis::working
