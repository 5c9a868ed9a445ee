// The number core and the panels against computations that share none of their code: a sieve,
// std::gcd and std::lcm, floored 64-bit division, printf, and exact rationals in 64 bits.

#include "core/convert.h"
#include "core/failure.h"
#include "core/integer_routines.h"
#include "tests/support/tables.h"

#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <random>

namespace vorantis::testing {
namespace {

template <class Call> std::string resultOf(Call call)
{
    try {
        return std::to_string(call());
    } catch (const Failure&) {
        return "fails";
    }
}

bool isPrimeByTrial(std::int64_t n)
{
    for (std::int64_t d = 2; d * d <= n; ++d)
        if (n % d == 0)
            return false;
    return n >= 2;
}

TEST(IsPrime, AgreesWithASieveAndWithTrialDivisionNearTheTop)
{
    constexpr int limit = 300000;
    std::vector<bool> composite(limit + 1);
    for (int i = 2; i * i <= limit; ++i)
        for (int j = i * i; j <= limit && !composite[i]; j += i)
            composite[j] = true;
    for (int n = 0; n <= limit; ++n)
        ASSERT_EQ(IsPrime(n), n >= 2 && !composite[n]) << n;
    for (std::int32_t n = 2147483647; n > 2147483647 - 600; --n)
        ASSERT_EQ(IsPrime(n), isPrimeByTrial(n)) << n;
    for (std::int64_t p : {46301, 46307, 46327, 46337}) // a factor at the trial division's limit
        EXPECT_FALSE(IsPrime(std::int32_t(p * 46337))) << p;
    for (std::int32_t n : {-1, -2147483647 - 1})
        EXPECT_EQ(resultOf([n] { return IsPrime(n); }), "fails");
}

// Where a pair has a negative member, the sign follows the rule the panels rely on: negative
// only when both are.
TEST(LCM, AgreesWithStdLcmAndFailsWhereTheProductOverflowsOrAZeroMeetsNoNegative)
{
    for (std::int32_t a = -30; a <= 30; ++a)
        for (std::int32_t b = -30; b <= 30; ++b) {
            const std::string expected = a == 0 && b == 0 ? "fails"
                : a == 0 || b == 0                        ? (a < 0 || b < 0 ? "0" : "fails")
                                   : std::to_string((a < 0 && b < 0 ? -1 : 1) * std::lcm(a, b));
            ASSERT_EQ(resultOf([=] { return LCM(a, b); }), expected) << a << ", " << b;
        }
    const std::int32_t pairs[][3]{{46340, 46340, 46340},       {2147483647, 1, 2147483647},
                                  {-46341, 46340, 2147441940}, {65536, 65536, 0},
                                  {46341, -46341, 0},          {-2147483647 - 1, 1, 0}};
    for (const auto& pair : pairs)
        EXPECT_EQ(resultOf([&] { return LCM(pair[0], pair[1]); }),
                  pair[2] ? std::to_string(pair[2]) : "fails")
            << pair[0] << ", " << pair[1];
}

TEST(Divide, GivesTheFlooredQuotientAndTheRemainderWithTheDivisorsSign)
{
    for (std::int64_t a = -40; a <= 40; ++a)
        for (std::int64_t b = -9; b <= 9; ++b) {
            if (b == 0)
                continue;
            const std::int64_t q = a / b - (a % b != 0 && (a < 0) != (b < 0));
            const auto part = [&](std::int16_t choice) {
                return VariantToText(
                    divide(Variant::number(double(a)), Variant::number(double(b)), Variant::integer(choice)));
            };
            ASSERT_EQ(part(1) + " " + part(2), std::to_string(q) + " " + std::to_string(a - q * b))
                << a << " / " << b;
            ASSERT_TRUE(divide(Variant::number(double(a)), Variant::number(double(b)), Variant::integer(3))
                            .isEmpty());
        }
}

// printf's "%.15G" is the number form; a "%.17G" text reads back as its own double.
TEST(NumberText, AgreesWithPrintfBothWaysInEveryLocale)
{
    // A locale whose decimal mark is a comma, compiled into a scratch folder where none is installed.
    const std::string locale = std::setlocale(LC_ALL, nullptr);
    const std::string folder = ::testing::TempDir() + "vorantis-locales";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") &&
        std::system(("localedef -i de_DE -f UTF-8 " + folder + "/de_DE.UTF-8 >/dev/null 2>&1").c_str()) >= 0)
        setenv("LOCPATH", folder.c_str(), 1);
    ASSERT_TRUE(std::setlocale(LC_ALL, "de_DE.UTF-8")) << "no locale with a comma decimal mark";
    std::mt19937_64 random(1);
    for (int i = 0; i < 200000; ++i) {
        double value = std::bit_cast<double>(random());
        if (i % 2)
            value = std::ldexp(double(random() >> 11), int(random() % 90) - 78); // near plain notation
        if (!std::isfinite(value))
            continue;
        char exact[40], shown[40];
        std::snprintf(exact, sizeof exact, "%.17G", value);
        std::snprintf(shown, sizeof shown, "%.15G", value);
        for (char* text : {exact, shown})
            for (char* c = text; *c; ++c)
                *c = *c == ',' ? '.' : *c;
        ASSERT_EQ(DoubleToText(value), value == 0 ? "0" : shown) << exact;
        ASSERT_EQ(TextToDouble(exact), value) << exact;
    }
    EXPECT_EQ(TextToDouble(" 0.5\t"), 0.5);
    EXPECT_EQ(DoubleToText(1234.5), "1234.5");
    std::setlocale(LC_ALL, locale.c_str());
}

TEST(NumberText, ReadsTheGrammarAndRoundsWholeNumbersTiesToEven)
{
    for (const char* text :
         {"", "1,5", "1 000", "0x1A", "inf", "nan", "1e", "1.2.3", "+", ".", "e5", "5%", "1/2"})
        EXPECT_EQ(resultOf([=] { return TextToDouble(text); }), "fails") << text;
    const char* const whole[][2]{{"-3.5", "-4"},
                                 {"2.5", "2"},
                                 {"0.49999999999999994", "0"},
                                 {"2147483647.5", "fails"},
                                 {"-2147483648.5", "-2147483648"},
                                 {"1e309", "fails"},
                                 {".5e1", "5"}};
    for (const auto& row : whole)
        EXPECT_EQ(resultOf([&] { return TextToLong(row[0]); }), row[1]) << row[0];
    EXPECT_EQ(DoubleToText(999999999999999.5) + " " + DoubleToText(100000000000000.5) + " " +
                  DoubleToText(-2.5e-7),
              "1E+15 100000000000000 -2.5E-07");
}

// Exact rationals in 64 bits: the panels' fraction in lowest terms, or the failure exactly where
// a 32-bit product the click forms does not fit.
TEST(FractionPanels, AgreeWithExactRationals)
{
    const auto fits = [](std::int64_t v) { return v >= INT32_MIN && v <= INT32_MAX; };
    std::mt19937 random(20240517);
    MemoryForm form; // one form throughout, so a stale minus sign would show
    for (int i = 0; i < 1500; ++i) {
        std::int64_t t[4];
        for (std::int64_t& term : t)
            term = std::uniform_int_distribution<std::int64_t>(1, i < 1000 ? 300 : 46340)(random);
        const auto [n1, d1, n2, d2] = t;
        const std::pair<const char*, char> clicks[]{
            {"addfrac", '+'}, {"subfrac", '-'}, {"multifrac", '*'}, {"divfrac", '/'}, {"simp", 0}};
        for (const auto& [click, op] : clicks) {
            std::int64_t n = op == '*' ? n1 * n2 : n1 * d2, d = op == '*' ? d1 * d2 : d1 * n2;
            bool failsAt = !fits(n * d);
            if (op == '+' || op == '-') {
                d = std::lcm(d1, d2);
                n = n1 * (d / d1) + (op == '+' ? 1 : -1) * n2 * (d / d2);
                failsAt = !fits(d1 * d2) || !fits(n * d);
            } else if (op == '\0') {
                n = n1, d = d1, failsAt = !fits(n * d);
            }
            const std::int64_t g = std::gcd(n, d);
            for (const auto& [field, term] : {std::pair{Field::Text29, n1},
                                              {Field::Text30, d1},
                                              {Field::Text31, n2},
                                              {Field::Text32, d2},
                                              {Field::n, n1},
                                              {Field::d, d1}})
                form.type(field, std::to_string(term));
            const ClickOutcome outcome = clickOn(click, form);
            const std::string shown = op
                ? form.text(Field::Text33) + "/" + form.text(Field::Text34) +
                    (form.isVisible(Label::Label41) ? " minus" : "")
                : form.text(Field::n) + "/" + form.text(Field::d) + " " + form.text(Field::Text5);
            const std::string exact = std::to_string(std::abs(n) / g) + "/" + std::to_string(d / g) +
                (op ? (n < 0 ? " minus" : "") : " " + std::to_string(g));
            ASSERT_EQ(outcome.failure.empty() ? shown : "fails", failsAt ? "fails" : exact)
                << click << " " << n1 << "/" << d1 << ", " << n2 << "/" << d2;
        }
    }
}

TEST(ConversionPanel, EveryWholePercentEndsInLowestTerms)
{
    for (int percent = 1; percent <= 1000; ++percent) {
        MemoryForm form;
        form.type(Field::Text2, std::to_string(percent));
        clickOn("frompercent", form);
        const int g = std::gcd(percent, 100);
        ASSERT_EQ(form.text(Field::n) + "/" + form.text(Field::d) + " " + form.text(Field::Text5) + " " +
                      form.text(Field::Text6),
                  std::to_string(percent / g) + "/" + std::to_string(100 / g) + " " + std::to_string(g) +
                      " " + std::to_string(std::lcm(percent, 100)));
    }
}

} // namespace
} // namespace vorantis::testing
