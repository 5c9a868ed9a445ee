// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/exact_fraction.h"

#include "core/convert.h"
#include "core/failure.h"

#include <cstdlib>
#include <limits>
#include <numeric>

namespace vorantis {
namespace {

// Every term stays above the lowest 64-bit number, so that its sign can always be turned.
constexpr std::int64_t lowest = std::numeric_limits<std::int64_t>::min();

std::optional<std::int64_t> times(std::int64_t left, std::int64_t right)
{
    std::int64_t product;
    if (__builtin_mul_overflow(left, right, &product) || product == lowest)
        return std::nullopt;
    return product;
}

std::optional<std::int64_t> plus(std::int64_t left, std::int64_t right)
{
    std::int64_t sum;
    if (__builtin_add_overflow(left, right, &sum) || sum == lowest)
        return std::nullopt;
    return sum;
}

std::optional<std::int64_t> powerOfTen(long exponent)
{
    std::optional<std::int64_t> power = 1;
    for (long i = 0; i < exponent && power; ++i)
        power = times(*power, 10);
    return power;
}

// a/b + sign × c/d over b × d.
std::optional<Ratio> combined(Ratio left, Ratio right, std::int64_t sign)
{
    const auto first = times(left.numerator, right.denominator);
    const auto second = times(sign * right.numerator, left.denominator);
    const auto numerator = first && second ? plus(*first, *second) : std::nullopt;
    const auto denominator = times(left.denominator, right.denominator);
    if (!numerator || !denominator)
        return std::nullopt;
    return Ratio{*numerator, *denominator};
}

} // namespace

std::optional<Ratio> decimalRatio(std::string_view text)
{
    try {
        TextToDouble(text);
    } catch (const Failure&) {
        return std::nullopt;
    }
    // The grammar is checked: blanks, a sign, digits with at most one decimal mark (a comma,
    // where the language writes one), an exponent.
    std::size_t i = text.find_first_not_of(" \t");
    const bool negative = text[i] == '-';
    i += text[i] == '-' || text[i] == '+';
    std::optional<std::int64_t> digits = 0;
    long places = 0;
    bool point = false;
    const auto isMark = [](char c) { return c == '.' || c == ','; };
    for (; i < text.size() && (isMark(text[i]) || (text[i] >= '0' && text[i] <= '9')); ++i) {
        if (isMark(text[i])) {
            point = true;
            continue;
        }
        places += point;
        digits = digits ? times(*digits, 10) : std::nullopt;
        digits = digits ? plus(*digits, text[i] - '0') : std::nullopt;
    }
    long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        const bool below = text[++i] == '-';
        i += text[i] == '-' || text[i] == '+';
        // Past a million the power of ten fits no term anyway; the count stops there.
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && exponent < 1000000; ++i)
            exponent = exponent * 10 + (text[i] - '0');
        exponent = below ? -exponent : exponent;
    }
    if (!digits)
        return std::nullopt;
    if (*digits == 0)
        return Ratio{0, 1};
    const long scale = places - exponent;
    const auto power = powerOfTen(std::labs(scale));
    const auto numerator = scale < 0 && power ? times(*digits, *power) : digits;
    if (!power || !numerator)
        return std::nullopt;
    return Ratio{negative ? -*numerator : *numerator, scale < 0 ? 1 : *power};
}

std::optional<Ratio> addRatios(Ratio left, Ratio right) { return combined(left, right, 1); }

std::optional<Ratio> subtractRatios(Ratio left, Ratio right) { return combined(left, right, -1); }

std::optional<Ratio> multiplyRatios(Ratio left, Ratio right)
{
    const auto numerator = times(left.numerator, right.numerator);
    const auto denominator = times(left.denominator, right.denominator);
    if (!numerator || !denominator)
        return std::nullopt;
    return Ratio{*numerator, *denominator};
}

std::optional<Ratio> divideRatios(Ratio left, Ratio right)
{
    if (right.numerator == 0)
        return std::nullopt;
    return multiplyRatios(left, Ratio{right.denominator, right.numerator});
}

Ratio lowestTerms(Ratio ratio)
{
    if (ratio.numerator == 0)
        return Ratio{0, 1};
    const std::int64_t factor = std::gcd(ratio.numerator, ratio.denominator);
    const std::int64_t sign = ratio.denominator < 0 ? -1 : 1;
    return Ratio{sign * ratio.numerator / factor, sign * ratio.denominator / factor};
}

MixedNumber mixedNumber(Ratio ratio)
{
    return MixedNumber{ratio.numerator / ratio.denominator, std::llabs(ratio.numerator % ratio.denominator),
                       ratio.denominator};
}

} // namespace vorantis
