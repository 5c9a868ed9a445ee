// SPDX-License-Identifier: GPL-3.0-or-later
// The steps the working shows, from the core, against references that share none of their code:
// std::gcd and std::lcm, trial division, and 128-bit cross products.

#include "core/exact_fraction.h"
#include "core/factors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <string>

namespace vorantis::testing {
namespace {

bool isPrimeByTrial(std::int64_t n)
{
    for (std::int64_t d = 2; d * d <= n; ++d)
        if (n % d == 0)
            return false;
    return n >= 2;
}

// Small pairs of either sign, and the sizes at the ends of the 32-bit numbers.
std::vector<std::int64_t> samples()
{
    std::vector<std::int64_t> numbers{-2147483648, 2147483647, 2147483646, 2146654199, 1073741824, 999983};
    for (std::int64_t n = -40; n <= 130; ++n)
        numbers.push_back(n);
    return numbers;
}

TEST(PrimeFactors, AreAscendingPrimesWhoseSharedAndHighestPowersGiveGcdAndLcm)
{
    for (const std::int64_t a : samples()) {
        const Factors factors = primeFactors(a);
        ASSERT_EQ(productOf(factors), std::max<std::int64_t>(std::llabs(a), 1)) << a;
        ASSERT_TRUE(std::is_sorted(factors.begin(), factors.end())) << a;
        for (const std::int64_t p : factors)
            ASSERT_TRUE(isPrimeByTrial(p)) << a << ": " << p;
        for (const std::int64_t b : samples())
            if (std::llabs(a) <= 130 && std::llabs(b) <= 130 && a != 0 && b != 0) {
                ASSERT_EQ(productOf(sharedFactors(factors, primeFactors(b))), std::gcd(a, b))
                    << a << ", " << b;
                ASSERT_EQ(productOf(highestPowers(factors, primeFactors(b))), std::lcm(a, b))
                    << a << ", " << b;
            }
    }
}

TEST(MultiplesUntilCommon, ListEachNumbersMultiplesUpToTheLcmUnlessALongerListIsNeeded)
{
    for (std::int64_t a = -12; a <= 30; ++a)
        for (std::int64_t b = 0; b <= 30; ++b)
            for (std::size_t longest = 0; longest <= 8; ++longest) {
                const auto lists = multiplesUntilCommon(a, b, longest);
                const std::int64_t lcm = std::lcm(a, b);
                const bool fits = lcm != 0 && std::size_t(lcm / std::llabs(a)) <= longest &&
                    std::size_t(lcm / b) <= longest;
                ASSERT_EQ(lists.has_value(), fits) << a << ", " << b << " in " << longest;
                if (!lists)
                    continue;
                for (std::size_t i = 0; i < lists->first.size(); ++i)
                    ASSERT_EQ(lists->first[i], std::int64_t(i + 1) * std::llabs(a)) << a << ", " << b;
                for (std::size_t i = 0; i < lists->second.size(); ++i)
                    ASSERT_EQ(lists->second[i], std::int64_t(i + 1) * b) << a << ", " << b;
                ASSERT_TRUE(lists->first.back() == lcm && lists->second.back() == lcm) << a << ", " << b;
            }
}

TEST(EuclidSteps, ChainDivisionsFromTheLargerNumberToARemainderOf0AtTheGcd)
{
    for (const std::int64_t a : samples())
        for (const std::int64_t b : samples()) {
            const auto steps = euclidSteps(a, b);
            ASSERT_EQ(steps.empty(), a == 0 || b == 0) << a << ", " << b;
            if (steps.empty())
                continue;
            ASSERT_EQ(steps.front().dividend, std::max(std::llabs(a), std::llabs(b))) << a << ", " << b;
            ASSERT_TRUE(steps.back().remainder == 0 && steps.back().divisor == std::gcd(a, b))
                << a << ", " << b;
            for (std::size_t i = 0; i < steps.size(); ++i) {
                const EuclidStep& s = steps[i];
                ASSERT_TRUE(
                    s.dividend == s.quotient * s.divisor + s.remainder && s.remainder < s.divisor &&
                    s.remainder >= 0 &&
                    (i == 0 || (s.dividend == steps[i - 1].divisor && s.divisor == steps[i - 1].remainder)))
                    << a << ", " << b << " step " << i;
            }
        }
}

// Trial division by hand: each prime in turn while its square fits, up to the first that divides.
TEST(PrimesTried, AreThePrimesInTurnUpToTheFirstDivisorOrTheRootAndTheNextPrime)
{
    std::vector<std::int64_t> numbers{2147483647, 2146654199, 2147395600, 2147395601, -7};
    for (std::int64_t n = 0; n <= 20000; ++n)
        numbers.push_back(n);
    for (const std::int64_t n : numbers) {
        std::vector<std::int32_t> tried;
        std::int32_t p = 2;
        for (; p * std::int64_t(p) <= n && (tried.empty() || n % tried.back() != 0); ++p)
            if (isPrimeByTrial(p))
                tried.push_back(p);
        while (!isPrimeByTrial(p))
            ++p;
        const PrimeTrial trial = primesTried(std::int32_t(n));
        ASSERT_EQ(trial.tried, tried) << n;
        ASSERT_EQ(trial.next, p) << n;
    }
}

std::string text(const std::optional<Ratio>& ratio)
{
    return ratio ? std::to_string(ratio->numerator) + "/" + std::to_string(ratio->denominator) : "none";
}

TEST(DecimalRatio, IsTheDigitsOverAPowerOfTenOrNothing)
{
    // clang-format off
    const char* const rows[][2]{{"0.125", "125/1000"}, {" -2.50 ", "-250/100"}, {"+.5", "5/10"}, {"2e3", "2000/1"},
        {"1.5E-3", "15/10000"}, {"12.5e+1", "125/1"}, {"0", "0/1"}, {"-0.0e-99999999", "0/1"}, {"007", "7/1"},
        {"9223372036854775807", "9223372036854775807/1"}, {"9223372036854775808", "none"}, {"1e19", "none"},
        {"1e18", "1000000000000000000/1"}, {"1e-18", "1/1000000000000000000"}, {"1e-19", "none"},
        {"x", "none"}, {"", "none"}, {"1e400", "none"}, {"0,5", "none"}};
    // clang-format on
    for (const auto& [typed, exact] : rows)
        EXPECT_EQ(text(decimalRatio(typed)), exact) << '"' << typed << '"';
}

// Each operation's terms against 128-bit products, where every product on the way fits in 64 bits
// (the lowest 64-bit number left out, so that a sign can always turn), and in lowest terms
// against std::gcd.
TEST(Ratios, AddSubtractMultiplyAndDivideAsWrittenWhereTheTermsFit)
{
    __extension__ typedef __int128 Wide;
    const auto fits = [](std::initializer_list<Wide> values) {
        return std::all_of(values.begin(), values.end(),
                           [](Wide v) { return v > INT64_MIN && v <= INT64_MAX; });
    };
    const std::int64_t terms[]{-7, -1, 0, 1, 3, 10, 12, 3037000499, 4611686018427387904, 9223372036854775807};
    for (const std::int64_t a : terms)
        for (const std::int64_t b : terms)
            for (const std::int64_t c : terms)
                for (const std::int64_t d : {1LL, -4LL, 6LL, 3037000500LL}) {
                    const Wide ad = Wide(a) * d, cb = Wide(c) * b, bd = Wide(b) * d;
                    const struct {
                        std::optional<Ratio> ratio;
                        bool fits;
                        Wide top, bottom;
                    } rows[]{{addRatios({a, b}, {c, d}), fits({ad, cb, ad + cb, bd}), ad + cb, bd},
                             {subtractRatios({a, b}, {c, d}), fits({ad, cb, ad - cb, bd}), ad - cb, bd},
                             {multiplyRatios({a, b}, {c, d}), fits({Wide(a) * c, bd}), Wide(a) * c, bd},
                             {divideRatios({a, b}, {c, d}), c != 0 && fits({ad, cb}), ad, Wide(b) * c}};
                    for (const auto& [ratio, fit, top, bottom] : rows) {
                        const std::string pair = std::to_string(a) + "/" + std::to_string(b) + " and " +
                            std::to_string(c) + "/" + std::to_string(d) + " give " + text(ratio);
                        ASSERT_EQ(ratio.has_value(), fit) << pair;
                        if (!ratio)
                            continue;
                        ASSERT_TRUE(ratio->numerator == top && ratio->denominator == bottom) << pair;
                        if (bottom == 0)
                            continue;
                        const Ratio lowest = lowestTerms(*ratio);
                        ASSERT_TRUE(lowest.denominator > 0 &&
                                    std::gcd(lowest.numerator, lowest.denominator) == 1 &&
                                    Wide(lowest.numerator) * bottom == top * lowest.denominator)
                            << pair << " in lowest terms " << text(lowest);
                    }
                }
}

TEST(MixedNumber, IsTheWholePartWithTheSignAndTheRemainderOverTheDenominator)
{
    // clang-format off
    const std::int64_t rows[][5]{{7, 4, 1, 3, 4}, {-7, 4, -1, 3, 4}, {8, 4, 2, 0, 4}, {3, 4, 0, 3, 4}, {-3, 4, 0, 3, 4},
                                 {0, 1, 0, 0, 1}, {2147483647, 2, 1073741823, 1, 2}};
    // clang-format on
    for (const auto& [n, d, whole, rest, over] : rows) {
        const MixedNumber mixed = mixedNumber({n, d});
        EXPECT_TRUE(mixed.whole == whole && mixed.numerator == rest && mixed.denominator == over)
            << n << "/" << d;
    }
}

} // namespace
} // namespace vorantis::testing
