#include "core/convert.h"

#include "tests/support/test_helpers.h"

#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <locale.h>
#include <random>
#include <string>

namespace vorantis {
namespace {

using testing::failureOf;
using testing::messageOf;
using enum FailureKind;

constexpr double maxDouble = std::numeric_limits<double>::max();
constexpr double minDenormal = std::numeric_limits<double>::denorm_min();
constexpr double infinity = std::numeric_limits<double>::infinity();

// printf's "%G" in the C locale, whatever the process locale is: the independent reference
// for the number form.
std::string printfText(const char* format, double value)
{
    const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    const locale_t previous = uselocale(c);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    uselocale(previous);
    freelocale(c);
    return buffer;
}

TEST(TextToDouble, ReadsTheNumberGrammarAndNothingElse)
{
    const struct {
        const char* text;
        double value;
    } numbers[] = {
        {"  12  ", 12},
        {"\t-3.5\t", -3.5},
        {"+7", 7},
        {".5", 0.5},
        {"5.", 5},
        {"2.5E-3", 0.0025},
        {"-0", 0},
        {"123456789012345678901234567890", 1.2345678901234568e29},
        {"-1.7976931348623157e308", -maxDouble},
        {"4.9406564584124654e-324", minDenormal},
        {"2.2250738585072009e-308", 2.2250738585072009e-308}, // largest denormal
        {"1e-400", 0}, // too small: 0
        {"2e-324", 0},
        {"0e999999", 0},
    };
    for (const auto& row : numbers)
        EXPECT_EQ(TextToDouble(row.text), row.value) << row.text;

    for (const char* text : {"",  "   ", "1,5", "1 000", "0x1A", "inf", "Infinity", "nan",   "1e", "1.2.3",
                             "+", "-",   ".",   "e5",    "1e+",  "++1", "1-",       "1e5.5", "5%", "1/2"})
        EXPECT_EQ(failureOf([&] { TextToDouble(text); }), NotANumber) << text;
    for (const char* text : {"1e309", "-1e309", "1.8e308", "1e999999999999"})
        EXPECT_EQ(failureOf([&] { TextToDouble(text); }), OutOfRange) << text;
}

TEST(TextToDouble, MessagesNameTheTextAndHintAtThePoint)
{
    const auto message = [](const char* text) { return messageOf([&] { TextToDouble(text); }); };
    EXPECT_EQ(message("abc"), "\"abc\" is not a number");
    EXPECT_NE(message("-1,25e3").find("use a point"), std::string::npos);
    EXPECT_EQ(message("1,000,000").find("point"), std::string::npos);
    EXPECT_EQ(message("1,5.0").find("point"), std::string::npos);
    EXPECT_NE(message("1e309").find("\"1e309\""), std::string::npos);
}

// A locale whose decimal mark is a comma; compiled into a scratch folder where the system
// has none installed.
bool useCommaLocale()
{
    if (std::setlocale(LC_ALL, "de_DE.UTF-8"))
        return true;
    const auto folder = std::filesystem::temp_directory_path() / "vorantis-locales";
    std::filesystem::create_directories(folder);
    const std::string compile =
        "localedef -i de_DE -f UTF-8 " + (folder / "de_DE.UTF-8").string() + " >/dev/null 2>&1";
    if (std::system(compile.c_str()) != 0 && !std::filesystem::exists(folder / "de_DE.UTF-8"))
        return false;
    setenv("LOCPATH", folder.c_str(), 1);
    return std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
}

TEST(TextToDouble, IgnoresTheUserLocale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!useCommaLocale())
        GTEST_SKIP() << "no locale with a comma decimal mark could be installed or compiled";
    const double half = TextToDouble("0.5");
    const auto comma = failureOf([] { TextToDouble("0,5"); });
    const std::string text = DoubleToText(-1234.5);
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(half, 0.5);
    EXPECT_EQ(comma, NotANumber);
    EXPECT_EQ(text, "-1234.5");
}

TEST(TextToLong, RoundsTiesToEvenWithinRange)
{
    const char* const rows[][2] = {
        {"-3.5", "-4"},
        {"0.49999999999999994", "0"}, // caught rounding by adding one half
        {"2147483647", "2147483647"},
        {"2147483646.5", "2147483646"},
        {"2147483647.5", "!OutOfRange"},
        {"-2147483648.5", "-2147483648"},
        {"-2147483648.51", "!OutOfRange"},
        {"12abc", "!NotANumber"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(testing::resultOf([&] { return TextToLong(row[0]); }), row[1]) << row[0];
}

TEST(RoundToLong, AgreesWithTheDefinitionOfTiesToEven)
{
    for (const double v : {infinity, -infinity, std::nan(""), 2147483647.5, -2147483649.0})
        EXPECT_EQ(failureOf([&] { RoundToLong(v); }), OutOfRange) << v;

    // Against floor and the distance to it, on values with many exact halves.
    std::mt19937_64 random(7);
    std::uniform_int_distribution<std::int64_t> quarters(-4LL * 2147483648LL, 4LL * 2147483647LL);
    for (int i = 0; i < 100000; ++i) {
        const double value = static_cast<double>(quarters(random)) / 4;
        const double below = std::floor(value);
        const double fraction = value - below;
        const bool belowIsEven = std::fmod(below, 2) == 0;
        const double expected = fraction < 0.5 || (fraction == 0.5 && belowIsEven) ? below : below + 1;
        ASSERT_EQ(RoundToLong(value), static_cast<std::int64_t>(expected)) << value;
    }
}

// Zeros and infinities, and the roundings at the edges of plain notation.
TEST(DoubleToText, WritesFifteenSignificantDigits)
{
    const struct {
        double value;
        const char* text;
    } rows[] = {
        {-0.0, "0"},
        {0.1 + 0.2, "0.3"},
        {std::nextafter(0.0001, 0), "0.0001"}, // rounds up into plain notation
        {999999999999999.5, "1E+15"}, // rounds up out of it
        {100000000000000.5, "100000000000000"}, // an exact tie, to even
        {100000000000001.5, "100000000000002"},
        {-2.5e-7, "-2.5E-07"},
        {maxDouble, "1.79769313486232E+308"},
        {minDenormal, "4.94065645841247E-324"},
        {infinity, "Infinity"},
        {-infinity, "-Infinity"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(DoubleToText(row.value), row.text) << row.text;
}

// Both directions against printf: a finite double is written as "%.15G" writes it, and its
// "%.17G" text reads back as itself.
TEST(DoubleToText, AgreesWithPrintfBothWays)
{
    std::mt19937_64 random(1);
    std::uniform_int_distribution<int> exponents(-25, 60);
    for (int i = 0; i < 200000; ++i) {
        // Half of them arbitrary bit patterns, half near the plain-notation range.
        double value = std::bit_cast<double>(random());
        if (i % 2 == 1)
            value = std::ldexp(static_cast<double>(random() >> 11), exponents(random) - 53);
        if (!std::isfinite(value))
            continue;
        const std::string exact = printfText("%.17G", value);
        ASSERT_EQ(DoubleToText(value), value == 0 ? "0" : printfText("%.15G", value)) << exact;
        ASSERT_EQ(TextToDouble(exact), value) << exact;
    }
}

} // namespace
} // namespace vorantis
