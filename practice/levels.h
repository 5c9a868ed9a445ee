// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The levels of each topic, from easy to hard as a teacher orders them: one row a level, with
// the bounds of its numbers and what must hold between them (practice/levels.cpp). Each
// description is an English sentence pattern whose placeholders are filled from its own row,
// so a level never says one number and draws another.

#include "practice/topics.h"
#include "working/entry.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

namespace vorantis::practice {

// FA FS FM FD: a fraction, an operation, a fraction.
enum class Denominators { same, multiple, noCommonFactor, commonFactor, any };
enum class Terms {
    unit, // 1 over the denominator
    proper, // below 1
    improper, // above 1, and no whole number
    negativeOrImproper, // either sign, below 3 in size; with two such terms, one at least negative or
                        // improper
};
enum class Answers {
    any,
    notWhole, // a fraction: a sum of two halves, or of 1/3 and 2/3, would come too often
    aboveZero, // a difference whose first fraction is the larger
    mixed, // above 1 in size, and no whole number
    cancelling, // a product whose terms share a factor before it is reduced
};
struct FractionLevel {
    std::string_view description;
    std::int64_t smallestDenominator, largestDenominator;
    Denominators denominators;
    Terms first, second;
    Answers answers;
};

// SF: a fraction in lowest terms with both its terms multiplied by a common factor.
struct SimplifyLevel {
    std::string_view description;
    std::int64_t largestDenominator; // of the answer
    std::int64_t smallestFactor, largestFactor;
    std::int64_t largestTerm; // of the fraction to simplify
    bool improper;
};

// FP: a fraction, decimal or percent to write in one of the other two forms. Its value is a
// whole number from the range and a fraction in lowest terms over one of the denominators.
struct ConversionLevel {
    std::string_view description;
    std::span<const std::int64_t> denominators;
    std::int64_t smallestWhole, largestWhole;
};

// WD: the dividend is the divisor times the quotient, and any remainder below the divisor.
struct DivisionLevel {
    std::string_view description;
    std::int64_t smallestDivisor, largestDivisor;
    std::int64_t smallestQuotient, largestQuotient;
};

// DA DS DM DD. A decimal's bounds count its last place: {1, 99, 1} is 0.1 to 9.9. Every number
// has its last place (3.5, never 3.0), but a whole number.
struct Decimals {
    std::int64_t smallest, largest;
    int places;
};
enum class Signs { aboveZero, firstLarger, either };
struct DecimalLevel {
    std::string_view description;
    Decimals first; // of a quotient, the answer: the dividend is the answer times the divisor
    Decimals second;
    Signs signs;
};

// PW
struct PowerLevel {
    std::string_view description;
    std::int64_t smallestBase, largestBase;
    std::int64_t smallestExponent, largestExponent;
};

// SR: the square of a root from the range, the root with `places` decimal places.
struct RootLevel {
    std::string_view description;
    Decimals roots;
};

// PC
struct PrimeLevel {
    std::string_view description;
    std::int64_t smallest, largest;
    std::int64_t noFactorBelow; // 2: any number
};

using Levels = std::variant<std::span<const FractionLevel>, std::span<const SimplifyLevel>,
                            std::span<const ConversionLevel>, std::span<const DivisionLevel>,
                            std::span<const DecimalLevel>, std::span<const PowerLevel>,
                            std::span<const RootLevel>, std::span<const PrimeLevel>>;

Levels levelsOf(Topic topic);
int levelCount(Topic topic);
// The description of a level, from 1, with its row's numbers in its placeholders.
working::Step levelStep(Topic topic, int level);

} // namespace vorantis::practice
