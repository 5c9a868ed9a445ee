#include "core/integer_routines.h"

#include "tests/support/reference_math.h"
#include "tests/support/test_helpers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

namespace vorantis {
namespace {

using testing::isPrimeByTrial;

using testing::failureOf;
using enum FailureKind;

constexpr std::int32_t maxLong = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t minLong = std::numeric_limits<std::int32_t>::min();
const auto number = Variant::number;
const auto text = Variant::text;

// The quotient (choice 1) and the remainder (choice 2), as "quotient remainder".
std::string quotientAndRemainder(const Variant& first, const Variant& second)
{
    return VariantToText(divide(first, second, Variant::integer(1))) + " " +
        VariantToText(divide(first, second, Variant::integer(2)));
}

// Whole-number pairs are checked against 64-bit integers below; these are the rest.
TEST(Divide, FractionsTextsAndOtherChoices)
{
    const struct {
        Variant first, second;
        const char* result;
    } rows[] = {
        {number(7.5), number(2), "3 1.5"},         {number(-7.5), number(2), "-4 0.5"},
        {text("17"), text(" 5 "), "3 2"},          {Variant::integer(-17), Variant::longInteger(5), "-4 3"},
        {text("1e300"), text("1e-5"), "1E+305 0"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(quotientAndRemainder(row.first, row.second), row.result) << row.first.toText();

    for (const Variant& choice : {Variant(), Variant::integer(3), number(1.5)})
        EXPECT_TRUE(divide(number(17), number(5), choice).isEmpty());
    EXPECT_EQ(VariantToText(divide(number(17), number(5), text("2"))), "2");
    // The arithmetic runs, and fails, whatever the choice; an empty divisor counts as 0.
    EXPECT_EQ(failureOf([] { divide(number(17), Variant(), Variant::integer(3)); }), DivisionByZero);
}

// Quotient towards minus infinity and the remainder with the sign of the divisor (and no "-0").
TEST(Divide, AgreesWithFlooredIntegerDivision)
{
    for (std::int64_t a = -40; a <= 40; ++a)
        for (std::int64_t b = -9; b <= 9; ++b) {
            if (b == 0)
                continue;
            const std::int64_t q = a / b - (a % b != 0 && (a < 0) != (b < 0));
            EXPECT_EQ(
                quotientAndRemainder(number(static_cast<double>(a)), Variant::longInteger(std::int32_t(b))),
                std::to_string(q) + " " + std::to_string(a - q * b))
                << a << " / " << b;
        }
}

// A field is read again at every use: each read here returns the next text of a list.
TEST(Divide, ReadsFieldsAgainAtEveryUse)
{
    const auto sequence = [](std::vector<std::string> texts, int& reads) {
        return Variant::field([texts, &reads] { return texts[static_cast<std::size_t>(reads++ % 3)]; });
    };
    int firstReads = 0, secondReads = 0;
    const Variant first = sequence({"17", "20", "30"}, firstReads);
    const Variant second = sequence({"5", "4", "2"}, secondReads);
    // q = floor(17 / 5) = 3; r = 20 - 3 * 4 = 8; quotient = (30 - 8) / 2 = 11.
    EXPECT_EQ(quotientAndRemainder(first, second), "11 8");
    EXPECT_TRUE(divide(first, second, Variant::integer(3)).isEmpty());
    // Three reads of each in each call: the arithmetic runs whatever the choice.
    EXPECT_EQ(std::to_string(firstReads) + " " + std::to_string(secondReads), "9 9");
}


TEST(IsPrime, AgreesWithASieveAndWithTrialDivisionNearTheTop)
{
    EXPECT_FALSE(IsPrime(0)); // not prime, though the trial division alone would say so
    EXPECT_FALSE(IsPrime(1));
    EXPECT_FALSE(IsPrime(46337 * 46337)); // the largest square of a prime: its factor sits at the limit
    for (std::int32_t n : {-1, -2, minLong})
        EXPECT_EQ(failureOf([n] { IsPrime(n); }), InvalidOperation) << n;

    constexpr std::int32_t limit = 300000;
    std::vector<bool> composite(limit + 1, false);
    for (std::int32_t i = 2; i * i <= limit; ++i)
        if (!composite[i])
            for (std::int32_t j = i * i; j <= limit; j += i)
                composite[j] = true;
    for (std::int32_t n = 2; n <= limit; ++n)
        ASSERT_EQ(IsPrime(n), !composite[n]) << n;

    for (std::int32_t n = maxLong; n > maxLong - 600; --n)
        ASSERT_EQ(IsPrime(n), isPrimeByTrial(n)) << n;
    for (std::int64_t p : {46301, 46307, 46309, 46327, 46337}) // primes near the square root
        for (std::int64_t k : {p, p + 2, p + 6, std::int64_t{46337}})
            if (p * k <= maxLong) {
                ASSERT_EQ(IsPrime(static_cast<std::int32_t>(p * k)), isPrimeByTrial(p * k)) << p * k;
            }
}

// Pairs at the edges of the 32-bit range; small pairs are checked against std::lcm below.
TEST(LCM, EdgePairs)
{
    const struct {
        std::int32_t n1, n2;
        const char* result;
    } rows[] = {
        {46340, 46340, "46340"},
        {maxLong, 1, "2147483647"},
        {-46341, 46340, "2147441940"},
        {maxLong, -1, "2147483647"},
        {0, minLong, "0"},
        {65536, 65536, "!OutOfRange"}, // the product overflows though the multiple would fit
        {46341, -46341, "!OutOfRange"}, // and so with a negative pair
        {minLong, 1, "!OutOfRange"}, // 2147483648 is out of range
    };
    for (const auto& row : rows)
        EXPECT_EQ(testing::resultOf([&] { return LCM(row.n1, row.n2); }), row.result)
            << row.n1 << ", " << row.n2;
}

// The remainder loop exactly as the routine describes it, in 64 bits, for at most
// `rounds` rounds: the divisor it ends with, nothing when it would run on, or 0 when it
// divides by zero.
std::optional<std::int64_t> remainderLoop(std::int64_t a, std::int64_t b, int rounds = 1000)
{
    for (int i = 0; i < rounds; ++i) {
        if (a < b)
            std::swap(a, b);
        if (b == 0)
            return 0;
        a %= b;
        if (a == 0)
            return b;
    }
    return std::nullopt;
}

// Where the loop ends the result is its own; where it would run on (negative pairs such as
// 6 and -4), the least common multiple, negative only when both are.
TEST(LCM, SmallSignedPairsEndWithTheLoopResultOrTheSignRule)
{
    for (std::int32_t n1 = -30; n1 <= 30; ++n1)
        for (std::int32_t n2 = -30; n2 <= 30; ++n2) {
            const std::string result = testing::resultOf([&] { return LCM(n1, n2); });
            const std::optional<std::int64_t> divisor = remainderLoop(n1, n2);
            if (divisor) {
                EXPECT_EQ(result, *divisor == 0 ? "!DivisionByZero" : std::to_string(n1 * n2 / *divisor))
                    << n1 << ", " << n2;
            }
            const int sign = n1 < 0 && n2 < 0 ? -1 : 1;
            if (n1 != 0 && n2 != 0) {
                EXPECT_EQ(result, std::to_string(sign * std::lcm(n1, n2))) << n1 << ", " << n2;
            }
        }
}

} // namespace
} // namespace vorantis
