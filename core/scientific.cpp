// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/scientific.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace vorantis {
namespace {

__extension__ typedef unsigned __int128 Wide; // holds 2^53 * 5^22 and 10^16 * 5^22

// Whether a * 2^shift == b.
bool equalShifted(Wide a, int shift, Wide b)
{
    if (shift < 0)
        return equalShifted(b, -shift, a);
    return shift < 128 && (b >> shift) << shift == b && (b >> shift) == a;
}

// Whether `magnitude` (finite, above 0) is exactly m * 10^k. A double's odd part is below 2^53,
// and so below 5^23: where |k| > 22 the two cannot be equal.
bool exactly(double magnitude, std::uint64_t m, int k)
{
    if (k > 22 || k < -22)
        return false;
    int exponent = 0;
    const double fraction = std::frexp(magnitude, &exponent); // magnitude = a * 2^(exponent - 53)
    Wide a = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    Wide b = m;
    Wide powerOfFive = 1;
    for (int i = 0; i < std::abs(k); ++i)
        powerOfFive *= 5;
    // a * 2^e == m * 5^k * 2^k, or for k below 0, a * 5^-k * 2^(e - k) == m
    (k >= 0 ? b : a) *= powerOfFive;
    return equalShifted(a, exponent - 53 - k, b);
}

} // namespace

ScientificParts partsOf(std::string_view scientific)
{
    const std::size_t e = scientific.find('e');
    ScientificParts parts{scientific.starts_with('-'), {}, 0};
    for (char c : scientific.substr(0, e))
        if (c >= '0' && c <= '9')
            parts.digits += c;
    if (e != std::string_view::npos) {
        std::string_view exponent = scientific.substr(e + 1);
        if (exponent.starts_with('+'))
            exponent.remove_prefix(1); // from_chars takes no plus sign
        std::from_chars(exponent.data(), exponent.data() + exponent.size(), parts.exponent);
    }
    return parts;
}

std::string evenOnTie(double value, std::string text)
{
    const std::size_t e = text.find('e');
    if (e == std::string::npos || e < 2 || (text[e - 1] - '0') % 2 == 0)
        return text; // an even last digit is the C library's too
    const ScientificParts parts = partsOf(text);
    std::uint64_t digits = 0;
    for (const char digit : parts.digits)
        digits = digits * 10 + std::uint64_t(digit - '0');
    const int count = static_cast<int>(parts.digits.size());
    // The text is digits * 10^(exponent - count + 1); the tie below it is half a last digit less.
    if (exactly(std::fabs(value), digits * 10 - 5, parts.exponent - count))
        --text[e - 1];
    return text;
}

} // namespace vorantis
