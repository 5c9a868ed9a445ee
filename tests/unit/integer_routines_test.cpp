#include "core/failure.h"
#include "core/integer_routines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

namespace vorantis {
namespace {

constexpr std::int32_t maxLong = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t minLong = std::numeric_limits<std::int32_t>::min();

template <class Run> std::optional<FailureKind> failureOf(Run run)
{
    try {
        run();
    } catch (const Failure& failure) {
        return failure.kind();
    }
    return std::nullopt;
}

// --- divide ------------------------------------------------------------------------------

struct DivideCase {
    Variant first, second;
    std::string quotient, remainder;
};

TEST(Divide, WorkedValuesAndOperandKinds)
{
    const std::vector<DivideCase> cases{
        {Variant::number(17), Variant::number(5), "3", "2"},
        {Variant::number(-17), Variant::number(5), "-4", "3"},
        {Variant::number(17), Variant::number(-5), "-4", "-3"},
        {Variant::number(-17), Variant::number(-5), "3", "-2"},
        {Variant::number(7.5), Variant::number(2), "3", "1.5"},
        {Variant::number(0), Variant::number(5), "0", "0"},
        {Variant::number(0), Variant::number(-5), "0", "0"}, // no "-0"
        {Variant::text("17"), Variant::text(" 5 "), "3", "2"},
        {Variant::integer(-17), Variant::longInteger(5), "-4", "3"},
        {Variant::text("1e300"), Variant::text("1e-5"), "1E+305", "0"},
    };
    for (const DivideCase& c : cases) {
        const std::string row = c.first.toText() + " / " + c.second.toText();
        EXPECT_EQ(VariantToText(divide(c.first, c.second, Variant::integer(1))), c.quotient) << row;
        EXPECT_EQ(VariantToText(divide(c.first, c.second, Variant::integer(2))), c.remainder) << row;
    }
}

TEST(Divide, OtherChoicesGiveEmpty)
{
    for (const Variant& choice : {Variant(), Variant::integer(0), Variant::integer(3),
                                  Variant::integer(-1), Variant::number(1.5)})
        EXPECT_TRUE(divide(Variant::number(17), Variant::number(5), choice).isEmpty());
    EXPECT_EQ(VariantToText(divide(Variant::number(17), Variant::number(5), Variant::text("2"))), "2");
}

TEST(Divide, FailsAtTheDivision)
{
    const struct {
        Variant first, second;
        FailureKind kind;
    } cases[]{
        {Variant::number(17), Variant::number(0), FailureKind::DivisionByZero},
        {Variant::number(17), Variant(), FailureKind::DivisionByZero},
        {Variant::number(0), Variant::number(0), FailureKind::InvalidOperation},
        {Variant::text("abc"), Variant::number(5), FailureKind::NotANumber},
        {Variant::number(5), Variant::text(""), FailureKind::NotANumber},
        {Variant::number(1e308), Variant::number(1e-10), FailureKind::OutOfRange},
    };
    for (const auto& c : cases)
        for (std::int16_t choice : {1, 2, 3})
            EXPECT_EQ(failureOf([&] { divide(c.first, c.second, Variant::integer(choice)); }), c.kind)
                << c.first.toText() << " / " << c.second.toText() << " choice " << choice;
}

// Quotient towards minus infinity and the remainder with the sign of the divisor, checked
// against 64-bit integer arithmetic.
TEST(Divide, AgreesWithFlooredIntegerDivision)
{
    for (std::int64_t a = -40; a <= 40; ++a)
        for (std::int64_t b = -9; b <= 9; ++b) {
            if (b == 0)
                continue;
            std::int64_t q = a / b;
            if (a % b != 0 && ((a < 0) != (b < 0)))
                --q;
            const Variant first = Variant::number(static_cast<double>(a));
            const Variant second = Variant::longInteger(static_cast<std::int32_t>(b));
            EXPECT_EQ(divide(first, second, Variant::integer(1)).toDouble(), static_cast<double>(q))
                << a << " / " << b;
            EXPECT_EQ(divide(first, second, Variant::integer(2)).toDouble(), static_cast<double>(a - q * b))
                << a << " / " << b;
        }
}

// A field is read again at every use: each read here returns the next text of a list.
TEST(Divide, ReadsFieldsAgainAtEveryUse)
{
    const auto sequence = [](std::vector<std::string> texts, int& reads) {
        return Variant::field([texts, &reads] { return texts[static_cast<std::size_t>(reads++)]; });
    };
    int firstReads = 0, secondReads = 0;
    const Variant first = sequence({"17", "20", "30"}, firstReads);
    const Variant second = sequence({"5", "4", "2"}, secondReads);
    // q = floor(17 / 5) = 3; r = 20 - 3 * 4 = 8; quotient = (30 - 8) / 2 = 11.
    EXPECT_EQ(VariantToText(divide(first, second, Variant::integer(1))), "11");
    EXPECT_EQ(firstReads, 3);
    EXPECT_EQ(secondReads, 3);

    firstReads = secondReads = 0;
    EXPECT_EQ(VariantToText(divide(first, second, Variant::integer(2))), "8");
    firstReads = secondReads = 0;
    EXPECT_TRUE(divide(first, second, Variant::integer(3)).isEmpty());
    EXPECT_EQ(firstReads + secondReads, 6); // the arithmetic runs whatever the choice
}

// --- IsPrime -----------------------------------------------------------------------------

bool isPrimeByTrial(std::int64_t n)
{
    if (n < 2)
        return false;
    for (std::int64_t d = 2; d * d <= n; ++d)
        if (n % d == 0)
            return false;
    return true;
}

TEST(IsPrime, NotableNumbers)
{
    const struct {
        std::int32_t number;
        bool prime;
    } cases[]{
        {0, false}, {1, false}, // not prime, though the trial division alone would say so
        {2, true},  {3, true},  {4, false}, {5, true},  {7, true},  {9, false}, {11, true},
        {13, true}, {23, true}, {25, false}, {49, false}, {121, false}, {169, false},
        {2147483647, true}, {2147483646, false}, {2147483629, true}, {2147483645, false},
        {46337 * 46337, false}, // the largest square of a prime: its factor sits at the limit
        {46327 * 46337, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsPrime(c.number), c.prime) << c.number;
}

TEST(IsPrime, NegativeNumbersFail)
{
    for (std::int32_t n : {-1, -2, -7, minLong})
        EXPECT_EQ(failureOf([n] { IsPrime(n); }), FailureKind::InvalidOperation) << n;
}

TEST(IsPrime, AgreesWithASieve)
{
    constexpr std::int32_t limit = 300000;
    std::vector<bool> composite(limit + 1, false);
    for (std::int32_t i = 2; i * i <= limit; ++i)
        if (!composite[i])
            for (std::int32_t j = i * i; j <= limit; j += i)
                composite[j] = true;
    for (std::int32_t n = 2; n <= limit; ++n)
        ASSERT_EQ(IsPrime(n), !composite[n]) << n;
}

TEST(IsPrime, AgreesWithTrialDivisionNearTheTop)
{
    for (std::int32_t n = maxLong; n > maxLong - 600; --n)
        ASSERT_EQ(IsPrime(n), isPrimeByTrial(n)) << n;
    for (std::int64_t p : {46301, 46307, 46309, 46327, 46337}) // primes near the square root
        for (std::int64_t k : {p, p + 2, p + 6})
            if (p * k <= maxLong) {
                ASSERT_EQ(IsPrime(static_cast<std::int32_t>(p * k)), isPrimeByTrial(p * k)) << p * k;
            }
}

// --- LCM ---------------------------------------------------------------------------------

TEST(LCM, NotablePairs)
{
    const struct {
        std::int32_t n1, n2;
        std::optional<std::int32_t> result; // none: fails with `kind`
        FailureKind kind = FailureKind::OutOfRange;
    } cases[]{
        {4, 6, 12}, {6, 4, 12}, {7, 5, 35}, {5, 5, 5}, {1, 1, 1}, {46340, 46340, 46340},
        {maxLong, 1, maxLong},
        {46341, 46341, {}}, {46341, -46341, {}}, {-46341, 46340, 2147441940},
        {65536, 65536, {}}, // the product overflows though the multiple would fit
        {0, 5, {}, FailureKind::DivisionByZero},
        {5, 0, {}, FailureKind::DivisionByZero},
        {0, 0, {}, FailureKind::DivisionByZero},
        {0, -5, 0}, {-5, 0, 0}, {0, minLong, 0}, {minLong, 0, 0},
        // Negative pairs where the remainder loop ends...
        {-4, -4, -4}, {6, -3, 6}, {-3, 6, 6}, {1, -1, 1}, {-1, -1, -1},
        // ...and where it would never end.
        {6, -4, 12}, {-4, 6, 12}, {-6, -4, -12}, {-4, -6, -12}, {maxLong, -1, maxLong},
        {minLong, 1, {}}, {1, minLong, {}}, // 2147483648 is out of range
        {minLong, -1, {}}, {minLong, 2, {}},
    };
    for (const auto& c : cases) {
        if (c.result)
            EXPECT_EQ(LCM(c.n1, c.n2), *c.result) << c.n1 << ", " << c.n2;
        else
            EXPECT_EQ(failureOf([&] { LCM(c.n1, c.n2); }), c.kind) << c.n1 << ", " << c.n2;
    }
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

TEST(LCM, SmallSignedPairsEndWithTheLoopResultOrTheSignRule)
{
    for (std::int32_t n1 = -30; n1 <= 30; ++n1)
        for (std::int32_t n2 = -30; n2 <= 30; ++n2) {
            const std::int64_t product = std::int64_t{n1} * n2;
            const std::optional<std::int64_t> divisor = remainderLoop(n1, n2);
            if (divisor && *divisor == 0) {
                EXPECT_EQ(failureOf([&] { LCM(n1, n2); }), FailureKind::DivisionByZero) << n1 << ", " << n2;
                continue;
            }
            const std::int32_t result = LCM(n1, n2);
            if (divisor) {
                EXPECT_EQ(result, product / *divisor) << n1 << ", " << n2;
            }
            if (n1 > 0 && n2 > 0) {
                EXPECT_EQ(result, std::lcm(n1, n2)) << n1 << ", " << n2;
            }
            if (n1 != 0 && n2 != 0) {
                // The size of the least common multiple, negative only when both are.
                EXPECT_EQ(std::abs(result), std::lcm(std::abs(n1), std::abs(n2))) << n1 << ", " << n2;
                EXPECT_EQ(result < 0, n1 < 0 && n2 < 0) << n1 << ", " << n2;
            }
        }
}

} // namespace
} // namespace vorantis
