// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/levels.h"

#include "language/language.h"
#include "practice/numbers.h"

#include <stdexcept>

namespace vorantis::practice {
namespace {

using D = Denominators;
using T = Terms;
using A = Answers;

// clang-format off
// Each row: its description; the smallest and largest denominator; what holds between the two
// denominators; what each fraction is; what the answer is.
constexpr FractionLevel fractionSums[]{
    {translatable("Same denominator"),                        2, 12, D::same,           T::proper, T::proper, A::notWhole},
    {translatable("One denominator a multiple of the other"), 2, 24, D::multiple,       T::proper, T::proper, A::any},
    {translatable("Denominators with no common factor"),      2, 12, D::noCommonFactor, T::proper, T::proper, A::any},
    {translatable("Denominators with a common factor"),       4, 30, D::commonFactor,   T::proper, T::proper, A::any},
    {translatable("Negative or improper fractions, a mixed-number answer"),
                                                              2, 12, D::any, T::negativeOrImproper, T::negativeOrImproper, A::mixed},
};
constexpr FractionLevel fractionDifferences[]{
    {translatable("Same denominator"),                        2, 12, D::same,           T::proper, T::proper, A::aboveZero},
    {translatable("One denominator a multiple of the other"), 2, 24, D::multiple,       T::proper, T::proper, A::aboveZero},
    {translatable("Denominators with no common factor"),      2, 12, D::noCommonFactor, T::proper, T::proper, A::aboveZero},
    {translatable("Denominators with a common factor"),       4, 30, D::commonFactor,   T::proper, T::proper, A::aboveZero},
    {translatable("Negative or improper fractions, a mixed-number answer"),
                                                              2, 12, D::any, T::negativeOrImproper, T::negativeOrImproper, A::mixed},
};
constexpr FractionLevel fractionProducts[]{
    {translatable("Unit fractions"),                            2, 10, D::any, T::unit,     T::unit,     A::any},
    {translatable("Proper fractions"),                          2, 10, D::any, T::proper,   T::proper,   A::any},
    {translatable("Proper fractions with a factor to cancel"),  2, 12, D::any, T::proper,   T::proper,   A::cancelling},
    {translatable("Improper fractions, a mixed-number answer"), 2, 10, D::any, T::improper, T::improper, A::mixed},
    {translatable("Negative or improper fractions"),            2, 10, D::any, T::negativeOrImproper, T::negativeOrImproper, A::any},
};
constexpr FractionLevel fractionQuotients[]{
    {translatable("Dividing by a unit fraction"),               2, 10, D::any,  T::proper,   T::unit,     A::any},
    {translatable("Same denominator"),                          2, 12, D::same, T::proper,   T::proper,   A::any},
    {translatable("Proper fractions"),                          2, 12, D::any,  T::proper,   T::proper,   A::any},
    {translatable("Improper fractions, a mixed-number answer"), 2, 10, D::any,  T::improper, T::improper, A::mixed},
    {translatable("Negative or improper fractions"),            2, 10, D::any,  T::negativeOrImproper, T::negativeOrImproper, A::any},
};

// Each row: its description; the largest denominator of the answer; the smallest and largest
// common factor; the largest term of the fraction to simplify; whether it is improper.
constexpr SimplifyLevel simplifying[]{
    {translatable("Both terms even"),                                          15, 2,  2,  30, false},
    {translatable("A common factor from {smallestFactor} to {largestFactor}"), 12, 3,  5,  60, false},
    {translatable("A common factor from {smallestFactor} to {largestFactor}"), 12, 6, 12, 144, false},
    {translatable("Terms up to {largestTerm}"),                                20, 2, 25, 100, false},
    {translatable("Improper fractions"),                                       12, 2, 12, 200, true},
};

// Each row: its description; the denominators; the smallest and largest whole part.
constexpr std::int64_t tenths[]{2, 4, 5, 10};
constexpr std::int64_t twentieths[]{20, 25, 50};
constexpr std::int64_t hundredths[]{100};
constexpr std::int64_t thousandths[]{8, 40, 125, 200};
constexpr std::int64_t everyday[]{2, 4, 5, 8, 10, 20, 25};
constexpr ConversionLevel conversions[]{
    {translatable("Halves, quarters, fifths and tenths"),            tenths,      0, 0},
    {translatable("Twentieths, twenty-fifths and fiftieths"),        twentieths,  0, 0},
    {translatable("Hundredths"),                                     hundredths,  0, 0},
    {translatable("Eighths and other thousandths"),                  thousandths, 0, 0},
    {translatable("Mixed numbers, and their decimals and percents"), everyday,    1, 3},
};

// Each row: its description; the smallest and largest divisor; the smallest and largest quotient.
constexpr DivisionLevel wholeDivision[]{
    {translatable("Divisors from {smallestDivisor} to {largestDivisor}, quotients up to {largestQuotient}"),
                                                                             2,  5,  1,  10},
    {translatable("Divisors from {smallestDivisor} to {largestDivisor}, quotients up to {largestQuotient}"),
                                                                             2, 10,  1,  12},
    {translatable("Quotients from {smallestQuotient} to {largestQuotient}"),  2,  9, 10,  99},
    {translatable("Divisors from {smallestDivisor} to {largestDivisor}"),    11, 30,  2,  20},
    {translatable("Long division: quotients up to {largestQuotient}"),       11, 99, 10, 999},
};

// Each row: its description; the first number (of a quotient, the answer: the dividend is the
// answer times the divisor); the second; their signs.
constexpr Decimals onePlace{1, 99, 1};      // 0.1 to 9.9
constexpr Decimals twoPlaces{1, 999, 2};    // 0.01 to 9.99
constexpr Decimals threePlaces{1, 9999, 3}; // 0.001 to 9.999
constexpr Decimals digits{2, 9, 0};         // 2 to 9
constexpr Decimals upToTwenty{2, 20, 0};    // 2 to 20
constexpr DecimalLevel decimalSums[]{
    {translatable("One decimal place"),                            onePlace,    onePlace,  Signs::aboveZero},
    {translatable("Two decimal places and one"),                   twoPlaces,   onePlace,  Signs::aboveZero},
    {translatable("Three decimal places and two, either sign"),    threePlaces, twoPlaces, Signs::either},
};
constexpr DecimalLevel decimalDifferences[]{
    {translatable("One decimal place"),                            onePlace,    onePlace,  Signs::firstLarger},
    {translatable("Two decimal places and one"),                   twoPlaces,   onePlace,  Signs::firstLarger},
    {translatable("Two decimal places and one, either sign"),      twoPlaces,   onePlace,  Signs::either},
};
constexpr DecimalLevel decimalProducts[]{
    {translatable("A decimal times a whole number"),               onePlace,    digits,    Signs::aboveZero},
    {translatable("Two numbers with one decimal place"),           onePlace,    onePlace,  Signs::aboveZero},
    {translatable("Two decimal places times one, either sign"),    twoPlaces,   onePlace,  Signs::either},
};
constexpr DecimalLevel decimalQuotients[]{
    {translatable("A decimal divided by a whole number"),          onePlace,    digits,    Signs::aboveZero},
    {translatable("A whole-number answer, dividing by a decimal"), upToTwenty,  onePlace,  Signs::aboveZero},
    {translatable("Decimals divided by decimals, either sign"),    onePlace,    onePlace,  Signs::either},
};

// Each row: its description; the smallest and largest base; the smallest and largest exponent.
constexpr PowerLevel powers[]{
    {translatable("Squares and cubes of {smallestBase} to {largestBase}"),                  1, 25, 2, 3},
    {translatable("Powers from {smallestExponent} to {largestExponent} of {smallestBase} to {largestBase}"),
                                                                                             2, 10, 1, 5},
    {translatable("Negative bases, powers from {smallestExponent} to {largestExponent}"), -10, -1, 0, 5},
};

// Each row: its description; the roots.
constexpr RootLevel squareRoots[]{
    {translatable("Whole roots from {smallestRoot} to {largestRoot}"), {1, 50, 0}},
    {translatable("Whole roots from {smallestRoot} to {largestRoot}"), {51, 200, 0}},
    {translatable("Roots with one decimal place"),                     onePlace},
};

// Each row: its description; the smallest and largest number; the smallest prime factor allowed.
constexpr PrimeLevel primes[]{
    {translatable("Numbers from {smallest} to {largest}"),                                      2,   50, 2},
    {translatable("Numbers from {smallest} to {largest}"),                                      0,  100, 2},
    {translatable("Numbers from {smallest} to {largest} with no prime factor below {prime}"), 100, 1000, 7},
};
// clang-format on

// Fractions, conversions and decimals are described in words alone.
template <class Level> working::Step describe(const Level& level)
{
    return working::said(level.description, {});
}

working::Step describe(const SimplifyLevel& level)
{
    return working::said(level.description,
                         {{"smallestFactor", whole(level.smallestFactor)},
                          {"largestFactor", whole(level.largestFactor)},
                          {"largestTerm", whole(level.largestTerm)}});
}

working::Step describe(const DivisionLevel& level)
{
    return working::said(level.description,
                         {{"smallestDivisor", whole(level.smallestDivisor)},
                          {"largestDivisor", whole(level.largestDivisor)},
                          {"smallestQuotient", whole(level.smallestQuotient)},
                          {"largestQuotient", whole(level.largestQuotient)}});
}

working::Step describe(const PowerLevel& level)
{
    return working::said(level.description,
                         {{"smallestBase", whole(level.smallestBase)},
                          {"largestBase", whole(level.largestBase)},
                          {"smallestExponent", whole(level.smallestExponent)},
                          {"largestExponent", whole(level.largestExponent)}});
}

working::Step describe(const RootLevel& level)
{
    return working::said(level.description,
                         {{"smallestRoot", decimal(level.roots.smallest, level.roots.places)},
                          {"largestRoot", decimal(level.roots.largest, level.roots.places)}});
}

working::Step describe(const PrimeLevel& level)
{
    return working::said(level.description,
                         {{"smallest", whole(level.smallest)},
                          {"largest", whole(level.largest)},
                          {"prime", whole(level.noFactorBelow)}});
}

} // namespace

Levels levelsOf(Topic topic)
{
    switch (topic) {
    case Topic::fractionSums:
        return std::span<const FractionLevel>(fractionSums);
    case Topic::fractionDifferences:
        return std::span<const FractionLevel>(fractionDifferences);
    case Topic::fractionProducts:
        return std::span<const FractionLevel>(fractionProducts);
    case Topic::fractionQuotients:
        return std::span<const FractionLevel>(fractionQuotients);
    case Topic::simplifying:
        return std::span<const SimplifyLevel>(simplifying);
    case Topic::conversions:
        return std::span<const ConversionLevel>(conversions);
    case Topic::wholeDivision:
        return std::span<const DivisionLevel>(wholeDivision);
    case Topic::decimalSums:
        return std::span<const DecimalLevel>(decimalSums);
    case Topic::decimalDifferences:
        return std::span<const DecimalLevel>(decimalDifferences);
    case Topic::decimalProducts:
        return std::span<const DecimalLevel>(decimalProducts);
    case Topic::decimalQuotients:
        return std::span<const DecimalLevel>(decimalQuotients);
    case Topic::powers:
        return std::span<const PowerLevel>(powers);
    case Topic::squareRoots:
        return std::span<const RootLevel>(squareRoots);
    case Topic::primes:
        return std::span<const PrimeLevel>(primes);
    }
    throw std::logic_error("a topic without levels");
}

int levelCount(Topic topic)
{
    return std::visit([](auto levels) { return static_cast<int>(levels.size()); }, levelsOf(topic));
}

working::Step levelStep(Topic topic, int level)
{
    return std::visit([level](auto levels) { return describe(levels[static_cast<std::size_t>(level - 1)]); },
                      levelsOf(topic));
}

} // namespace vorantis::practice
