// SPDX-License-Identifier: GPL-3.0-or-later
// The number core and the panels against computations that share none of their code: a sieve,
// std::gcd and std::lcm, floored 64-bit division, printf, and exact rationals in 64 bits.

#include "core/convert.h"
#include "core/failure.h"
#include "core/integer_routines.h"
#include "core/scientific.h"
#include "language/language.h"
#include "tests/support/tables.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <numeric>
#include <optional>
#include <random>

#include <sys/wait.h>

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

TEST(IsPrime, AgreesWithASieveAndWithTrialDivisionNearTheTop)
{
    std::vector<bool> composite(300001);
    for (std::size_t i = 2; i * i < composite.size(); ++i)
        for (std::size_t j = i * i; j < composite.size() && !composite[i]; j += i)
            composite[j] = true;
    for (std::int32_t n = 0; n < std::int32_t(composite.size()); ++n)
        ASSERT_EQ(IsPrime(n), n >= 2 && !composite[std::size_t(n)]) << n;
    for (std::int64_t n = 2147483647; n > 2147483647 - 600; --n) {
        bool prime = true;
        for (std::int64_t d = 2; d * d <= n; ++d)
            prime = prime && n % d != 0;
        ASSERT_EQ(IsPrime(std::int32_t(n)), prime) << n;
    }
    for (std::int64_t p : {46301, 46307, 46327, 46337}) // a factor at the trial division's limit
        EXPECT_FALSE(IsPrime(std::int32_t(p * 46337))) << p;
    // The factor the working names is the least one.
    for (std::int32_t n = 2; n < 5000; ++n) {
        std::int32_t least = 2;
        while (n % least != 0)
            ++least;
        ASSERT_EQ(smallestFactor(n), least) << n;
    }
    EXPECT_EQ(resultOf([] { return IsPrime(-1); }), "fails");
}

TEST(WholeSquareRoot, IsTheLargestWholeNumberWhoseSquareFits)
{
    for (std::int64_t n : {0LL, 1LL, 2LL, 3LL, 4LL, 99LL, 100LL, 2147395599LL, 2147395600LL, 2147483647LL}) {
        const std::int64_t root = wholeSquareRoot(std::int32_t(n));
        EXPECT_TRUE(root * root <= n && (root + 1) * (root + 1) > n) << n << ": " << root;
    }
}

// Where a pair has a negative member, the multiple is negative only when both are.
TEST(LCM, AgreesWithStdLcmAndFailsWhereTheProductOverflowsOrAZeroMeetsNoNegative)
{
    for (std::int32_t a = -30; a <= 30; ++a)
        for (std::int32_t b = -30; b <= 30; ++b) {
            const std::string expected = a == 0 || b == 0
                ? (a < 0 || b < 0 ? "0" : "fails")
                : std::to_string((a < 0 && b < 0 ? -1 : 1) * std::lcm(a, b));
            ASSERT_EQ(resultOf([&] { return LCM(a, b); }), expected) << a << ", " << b;
        }
    // clang-format off
    const std::int32_t pairs[][3]{{46340, 46340, 46340}, {-46341, 46340, 2147441940}, {65536, 65536, 0},
                                  {46341, -46341, 0}, {-2147483647 - 1, 1, 0}};
    // clang-format on
    for (const auto& pair : pairs)
        EXPECT_EQ(resultOf([&] { return LCM(pair[0], pair[1]); }),
                  pair[2] ? std::to_string(pair[2]) : "fails");
}

TEST(Divide, GivesTheFlooredQuotientAndTheRemainderWithTheDivisorsSign)
{
    for (std::int64_t a = -40; a <= 40; ++a)
        for (std::int64_t b = -9; b <= 9; ++b) {
            const std::int64_t q = b ? a / b - (a % b != 0 && (a < 0) != (b < 0)) : 0;
            const auto part = [&](std::int16_t choice) {
                return VariantToText(
                    divide(Variant::number(double(a)), Variant::number(double(b)), Variant::integer(choice)));
            };
            if (b != 0) {
                ASSERT_EQ(part(1) + " " + part(2) + part(3),
                          std::to_string(q) + " " + std::to_string(a - q * b));
            }
        }
}

// Puts back the process's locale and LOCPATH however the test that holds it ends, so that
// a failed assertion cannot leave a comma locale to the tests after it.
class LocaleGuard {
public:
    LocaleGuard() : m_locale(std::setlocale(LC_ALL, nullptr))
    {
        if (const char* path = std::getenv("LOCPATH"))
            m_locPath = path;
    }
    LocaleGuard(const LocaleGuard&) = delete;
    LocaleGuard& operator=(const LocaleGuard&) = delete;
    ~LocaleGuard()
    {
        if (m_locPath)
            setenv("LOCPATH", m_locPath->c_str(), 1);
        else
            unsetenv("LOCPATH");
        std::setlocale(LC_ALL, m_locale.c_str());
    }

private:
    std::string m_locale;
    std::optional<std::string> m_locPath;
};

// Switches the process to German, whose decimal mark is a comma. A machine that has the
// locale's sources but no German locale built (a bare one has only C and POSIX) gets one
// built into a folder of the test's own.
::testing::AssertionResult switchToACommaLocale()
{
    if (std::setlocale(LC_ALL, "de_DE.UTF-8"))
        return ::testing::AssertionSuccess();
    const std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) / "vorantis-locales";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        return ::testing::AssertionFailure() << "cannot make " << folder << ": " << error.message();
    // Built by an earlier test, or else built now. Not tried first with setlocale: the C
    // library remembers a locale it could not find under a LOCPATH, and would not look again.
    if (!std::filesystem::exists(folder / "de_DE.UTF-8" / "LC_NUMERIC")) {
        const std::string command =
            "localedef -i de_DE -f UTF-8 '" + (folder / "de_DE.UTF-8").string() + "' 2>&1";
        const int status = std::system(command.c_str());
        // localedef's 1 means warnings only: the locale is written all the same.
        if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) > 1)
            return ::testing::AssertionFailure() << "`" << command << "` ended with status " << status;
    }
    setenv("LOCPATH", folder.c_str(), 1);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        return ::testing::AssertionFailure() << "the locale built into " << folder << " does not load";
    return ::testing::AssertionSuccess();
}

// 200,000 doubles, half of them near the plain range, written and read back, with the decimal
// mark of the language in use.
void numberTextsAgreeWithPrintf(char mark = '.')
{
    std::mt19937_64 random(1);
    for (int i = 0; i < 200000; ++i) {
        const double value = i % 2 ? std::ldexp(double(random() >> 11), int(random() % 90) - 78) // near plain
                                   : std::bit_cast<double>(random());
        char exact[40], shown[40];
        std::snprintf(exact, sizeof exact, "%.17G", value);
        std::snprintf(shown, sizeof shown, "%.15G", value);
        for (char* text : {exact, shown})
            std::replace_if(
                text, text + std::strlen(text), [](char c) { return c == ',' || c == '.'; }, mark);
        if (!std::isfinite(value))
            continue;
        ASSERT_EQ(DoubleToText(value), value == 0 ? "0" : shown) << exact;
        ASSERT_EQ(TextToDouble(exact), value) << exact;
    }
}

// printf's "%.15G" is the number form, and a "%.17G" text reads back as its own double, even
// where the user's locale writes a decimal comma.
TEST(NumberText, AgreesWithPrintfBothWaysInEveryLocale)
{
    {
        const LocaleGuard guard;
        ASSERT_TRUE(switchToACommaLocale());
        ASSERT_STREQ(std::localeconv()->decimal_point, ",");
        ASSERT_NO_FATAL_FAILURE(numberTextsAgreeWithPrintf());
    }
    // The same numbers in a language that writes a decimal comma, whatever the process locale.
    useLanguage(*languageCoded("de"));
    numberTextsAgreeWithPrintf(',');
    useLanguage(languages().front());
    EXPECT_EQ(DoubleToText(999999999999999.5) + " " + DoubleToText(100000000000000.5),
              "1E+15 100000000000000");
    const char* const ties[][2]{
        {"-3.5", "-4"}, {"2.5", "2"}, {"0.49999999999999994", "0"}, {"2147483647.5", "fails"}};
    for (const auto& tie : ties)
        EXPECT_EQ(resultOf([&] { return TextToLong(tie[0]); }), tie[1]) << tie[0];
}

// The page takes its digits from the browser, which rounds an exact tie away from zero; mended,
// they are printf's for ties above and below the decimal point and for numbers that are none.
TEST(NumberText, BrowserDigitsMendedAtATieArePrintfs)
{
    auto printed = [](double value) {
        char text[32];
        std::snprintf(text, sizeof text, "%.14e", value);
        return std::string(text);
    };
    // A tie's away-from-zero text is that of the double one step further from zero.
    auto awayFromZero = [&](double value) { return printed(std::nextafter(value, value * 2)); };
    std::mt19937_64 random(5);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t bits = random();
        const double sign = bits % 2 ? -1 : 1;
        const double ties[]{
            sign * double(1000000000000005 + bits % 800000000000000 * 10), // 16 digits, the last a 5
            sign * (double(100000000000000 + bits % 800000000000000) + 0.5), // 15 digits and a half
            sign * (double(1000000000000 + bits % 8000000000000) + double(bits % 4 * 2 + 1) / 8), // .125
            sign * double(1000000000000005 + bits % 70000000000000 * 10) * 10, // a tie's ten times
        };
        for (const double tie : ties)
            ASSERT_EQ(evenOnTie(tie, awayFromZero(tie)), printed(tie)) << printed(tie);
        const double none = std::bit_cast<double>(bits);
        if (std::isfinite(none) && none != 0) {
            ASSERT_EQ(evenOnTie(none, printed(none)), printed(none));
        }
    }
    const char* const written[][3]{
        // the value, as the browser writes it, mended
        {"1000000000000005", "1.00000000000001e+15", "1.00000000000000e+15"},
        {"-1000000000000015", "-1.00000000000002e+15", "-1.00000000000002e+15"},
        {"2.384185791015625e-7", "2.38418579101563e-7", "2.38418579101562e-7"},
        {"7.152557373046875e-7", "7.15255737304688e-7", "7.15255737304688e-7"},
        {"9999999999999995", "1.00000000000000e+16", "1.00000000000000e+16"},
        {"1.000000000000003e-300", "1.00000000000000e-300", "1.00000000000000e-300"},
        {"1.000000000000013e+300", "1.00000000000001e+300", "1.00000000000001e+300"}};
    for (const auto& [value, browser, mended] : written)
        EXPECT_EQ(evenOnTie(std::strtod(value, nullptr), browser), mended) << value;
}

TEST(NumberText, AFailureInACommaLocaleLeavesTheLocaleAsItWas)
{
    const std::string before = std::setlocale(LC_ALL, nullptr);
    EXPECT_FATAL_FAILURE(
        {
            const LocaleGuard guard;
            ASSERT_TRUE(switchToACommaLocale());
            FAIL() << "a failure in German";
        },
        "a failure in German");
    EXPECT_EQ(std::setlocale(LC_ALL, nullptr), before);
    EXPECT_STREQ(std::localeconv()->decimal_point, ".");
}

// Exact rationals in 64 bits: the fraction panels' results in lowest terms, or the failure
// exactly where a 32-bit product the click forms does not fit.
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
        form.type(Field::n, std::to_string(n1)), form.type(Field::d, std::to_string(d1));
        for (const auto& [click, op] : {std::pair{"addfrac", '+'},
                                        {"subfrac", '-'},
                                        {"multifrac", '*'},
                                        {"divfrac", '/'},
                                        {"simp", 's'}}) {
            std::int64_t n = op == '*' ? n1 * n2
                : op == 's'            ? n1
                                       : n1 * d2,
                         d = op == '*' ? d1 * d2
                : op == 's'            ? d1
                                       : d1 * n2;
            bool fails = !fits(n * d);
            if (op == '+' || op == '-') {
                d = std::lcm(d1, d2);
                n = n1 * (d / d1) + (op == '+' ? 1 : -1) * n2 * (d / d2);
                fails = !fits(d1 * d2) || !fits(n * d);
            }
            form.type(Field::Text29, std::to_string(n1)), form.type(Field::Text30, std::to_string(d1)); // as
            form.type(Field::Text31, std::to_string(n2)),
                form.type(Field::Text32, std::to_string(d2)); // typed
            const ClickOutcome outcome = clickOn(click, form);
            const std::int64_t g = std::gcd(n, d);
            const std::string shown = op == 's'
                ? form.text(Field::n) + "/" + form.text(Field::d) + " " + form.text(Field::Text5)
                : form.text(Field::Text33) + "/" + form.text(Field::Text34) +
                    (form.isVisible(Label::Label41) ? " minus" : "");
            const std::string exact = std::to_string(std::abs(n) / g) + "/" + std::to_string(d / g) +
                (op == 's'   ? " " + std::to_string(g)
                     : n < 0 ? " minus"
                             : "");
            ASSERT_EQ(outcome.failure.empty() ? shown : "fails", fails ? "fails" : exact)
                << click << " " << n1 << "/" << d1 << ", " << n2 << "/" << d2;
        }
    }
}

} // namespace
} // namespace vorantis::testing
