#include "panels/simplify.h"

#include "tests/support/test_helpers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <random>
#include <string>

namespace vorantis {
namespace {

// Failures are in the failure table, but for a denominator that rounds to 0 (the last row).
TEST(Simplify, ReducesInPlace)
{
    const struct {
        const char* typed;
        const char* outcome;
    } rows[] = {
        {"n=6 d=8 Text1=0.75 Text2=75", "Text5=2 d=4 n=3 Text6=12"},
        {"n=2.4 d=12", "Text5=2.4 d=5 n=1 Text6=5"},
        // The factor is read back as shown, and Text6 comes from the reduced terms 94 and 3.
        {"n=3.2 d=100", "Text5=1.06666666666667 d=93.7499999999997 n=2.99999999999999 Text6=282"},
        {"n=0 d=8", "Text5=8 d=1 n=0 Text6=0"},
        {"n=0 d=-8", "Text5=-8 d=1 n=0 Text6=0"},
        // Negative terms: LCM(8, -4) = 8, then LCM(-2, 1) = 2 rather than an endless loop.
        {"n=-4 d=8", "Text5=-4 d=-2 n=1 Text6=2"},
        {"n=6 d=-8", "Text5=-2 d=4 n=-3 Text6=12"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(testing::outcome(simp_Click, row.typed), row.outcome) << row.typed;
}

// Random positive whole fractions, small and up to the 32-bit product, against std::gcd: the
// common factor, the terms divided by it, and the product of the reduced terms.
TEST(Simplify, LeavesAnEqualFractionInLowestTerms)
{
    std::mt19937 random(20240607);
    for (int i = 0; i < 3000; ++i) {
        const std::int64_t d = std::uniform_int_distribution<std::int64_t>(1, 46340)(random);
        const std::int64_t limit = i % 2 ? 46340 : 2147483647 / d;
        const std::int64_t n = std::uniform_int_distribution<std::int64_t>(1, limit)(random);
        const std::int64_t g = std::gcd(n, d);
        const std::string typed = "n=" + std::to_string(n) + " d=" + std::to_string(d);
        ASSERT_EQ(testing::outcome(simp_Click, typed),
                  "Text5=" + std::to_string(g) + " d=" + std::to_string(d / g) +
                      " n=" + std::to_string(n / g) + " Text6=" + std::to_string(n / g * (d / g)))
            << typed;
    }
}

} // namespace
} // namespace vorantis
