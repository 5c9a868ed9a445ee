// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Fractions of whole numbers in 64 bits, exact where the doubles of the panels round: what a
// typed decimal or fraction is worth, to set beside the fraction the window shows. An operation
// whose terms would not fit gives nothing.

#include <cstdint>
#include <optional>
#include <string_view>

namespace vorantis {

// Kept as it comes (25/50 stays 25/50) until brought to lowest terms.
struct Ratio {
    std::int64_t numerator;
    std::int64_t denominator;
};

// A number's text exactly, as its digits over a power of ten: "0.125" is 125/1000, "-2.50" is
// -250/100, "2e3" is 2000/1. Nothing for a text that is no number or does not fit.
std::optional<Ratio> decimalRatio(std::string_view text);

// As a pupil writes them, without reducing: a/b + c/d = (a × d + c × b)/(b × d), a/b ÷ c/d =
// (a × d)/(b × c). Nothing where a term does not fit or the divisor is 0.
std::optional<Ratio> addRatios(Ratio left, Ratio right);
std::optional<Ratio> subtractRatios(Ratio left, Ratio right);
std::optional<Ratio> multiplyRatios(Ratio left, Ratio right);
std::optional<Ratio> divideRatios(Ratio left, Ratio right);

// Both terms divided by their greatest common factor, the sign on the numerator; 0 is 0/1.
Ratio lowestTerms(Ratio ratio);

// A fraction as a whole number and a fraction less than 1 (its remainder over the same
// denominator), the whole part taking the sign: -7/4 is -1 and 3/4. For a positive denominator.
struct MixedNumber {
    std::int64_t whole;
    std::int64_t numerator;
    std::int64_t denominator;
};
MixedNumber mixedNumber(Ratio ratio);

} // namespace vorantis
