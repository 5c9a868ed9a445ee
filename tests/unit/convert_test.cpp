#include "core/convert.h"
#include "core/failure.h"

#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <optional>
#include <random>
#include <string>

namespace vorantis {
namespace {

constexpr double maxDouble = std::numeric_limits<double>::max();
constexpr double minDenormal = std::numeric_limits<double>::denorm_min();
constexpr double infinity = std::numeric_limits<double>::infinity();

// The kind a call fails with, or nothing when it does not fail.
template <class Call> std::optional<FailureKind> failureOf(Call call)
{
    try {
        call();
    } catch (const Failure& failure) {
        return failure.kind();
    }
    return std::nullopt;
}

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

struct TextValue {
    const char* text;
    double value;
};

TEST(TextToDouble, ReadsTheNumberGrammar)
{
    const TextValue rows[] = {
        {"0", 0},        {"  12  ", 12},     {"\t-3.5\t", -3.5}, {"+7", 7},
        {".5", 0.5},     {"5.", 5},          {"-.25", -0.25},    {"007", 7},
        {"1e3", 1000},   {"1E+3", 1000},     {"2.5e-3", 0.0025}, {"-0", 0},
        {"0.1", 0.1},    {"123456789012345678901234567890", 1.2345678901234568e29},
        {"1.7976931348623157e308", maxDouble},
        {"-1.7976931348623157e308", -maxDouble},
        {"4.9406564584124654e-324", minDenormal},               // smallest denormal
        {"2.2250738585072009e-308", 2.2250738585072009e-308},   // largest denormal
        {"1e-400", 0},   {"-1e-400", 0},     {"2e-324", 0},      // too small: 0
        {"0e999999", 0},
    };
    for (const auto& row : rows)
        EXPECT_EQ(TextToDouble(row.text), row.value) << row.text;
}

TEST(TextToDouble, RejectsEverythingElse)
{
    const char* notNumbers[] = {
        "",   "   ",  "1,5", "1 000", "0x1A", "inf", "Infinity", "nan", "1e",   "1.2.3", "+",
        "-",  ".",    "e5",  "1e+",   "++1",  "1-",  "1e5.5",    "5%",  "1/2",  "$5",    "1_000",
    };
    for (const char* text : notNumbers)
        EXPECT_EQ(failureOf([&] { TextToDouble(text); }), FailureKind::NotANumber) << text;

    for (const char* text : {"1e309", "-1e309", "1.8e308", "1e999999999999"})
        EXPECT_EQ(failureOf([&] { TextToDouble(text); }), FailureKind::OutOfRange) << text;
}

TEST(TextToDouble, MessagesNameTheTextAndHintAtThePoint)
{
    const auto messageOf = [](const char* text) {
        try {
            TextToDouble(text);
        } catch (const Failure& failure) {
            return std::string(failure.what());
        }
        return std::string("no failure");
    };
    EXPECT_EQ(messageOf("abc"), "\"abc\" is not a number");
    EXPECT_NE(messageOf("0,5").find("use a point"), std::string::npos);
    EXPECT_NE(messageOf("-1,25e3").find("use a point"), std::string::npos);
    EXPECT_EQ(messageOf("1,000,000").find("point"), std::string::npos);
    EXPECT_EQ(messageOf("1,5.0").find("point"), std::string::npos);
    EXPECT_NE(messageOf("1e309").find("\"1e309\""), std::string::npos);
}

TEST(TextToDouble, IgnoresTheUserLocale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "the de_DE.UTF-8 locale (comma decimal mark) is not installed";
    const double half = TextToDouble("0.5");
    const auto comma = failureOf([] { TextToDouble("0,5"); });
    const std::string text = DoubleToText(-1234.5);
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(half, 0.5);
    EXPECT_EQ(comma, FailureKind::NotANumber);
    EXPECT_EQ(text, "-1234.5");
}

// Every finite double, written with 17 digits, reads back as itself.
TEST(TextToDouble, ReadsPrintfTextsExactly)
{
    std::mt19937_64 random(20240611);
    for (int i = 0; i < 100000; ++i) {
        const double value = std::bit_cast<double>(random());
        if (!std::isfinite(value))
            continue;
        const std::string text = printfText("%.17G", value);
        ASSERT_EQ(TextToDouble(text), value) << text;
    }
}

struct TextLong {
    const char* text;
    std::int32_t value; // when no failure
    std::optional<FailureKind> failure;
};

TEST(TextToLong, RoundsTiesToEvenWithinRange)
{
    const TextLong rows[] = {
        {"2.5", 2, {}},
        {"3.5", 4, {}},
        {"-2.5", -2, {}},
        {"-3.5", -4, {}},
        {"0.5", 0, {}},
        {"1.5", 2, {}},
        {"2.5000001", 3, {}},
        {"0.49999999999999994", 0, {}}, // caught rounding by adding one half
        {" -7 ", -7, {}},
        {"2147483647", 2147483647, {}},
        {"2147483646.5", 2147483646, {}},
        {"-2147483648", -2147483647 - 1, {}},
        {"-2147483648.5", -2147483647 - 1, {}},
        {"2147483647.5", 0, FailureKind::OutOfRange},
        {"2147483648", 0, FailureKind::OutOfRange},
        {"-2147483648.51", 0, FailureKind::OutOfRange},
        {"-2147483649", 0, FailureKind::OutOfRange},
        {"1e10", 0, FailureKind::OutOfRange},
        {"1e309", 0, FailureKind::OutOfRange},
        {"", 0, FailureKind::NotANumber},
        {"12abc", 0, FailureKind::NotANumber},
    };
    for (const auto& row : rows) {
        if (row.failure)
            EXPECT_EQ(failureOf([&] { TextToLong(row.text); }), row.failure) << row.text;
        else
            EXPECT_EQ(TextToLong(row.text), row.value) << row.text;
    }
}

TEST(RoundToLong, AgreesWithTheDefinitionOfTiesToEven)
{
    for (const double v : {infinity, -infinity, std::nan(""), 2147483647.5, -2147483649.0})
        EXPECT_EQ(failureOf([&] { RoundToLong(v); }), FailureKind::OutOfRange) << v;

    // Against floor and the distance to it, on values with many exact halves.
    std::mt19937_64 random(7);
    std::uniform_int_distribution<std::int64_t> quarters(-4LL * 2147483648LL, 4LL * 2147483647LL);
    for (int i = 0; i < 100000; ++i) {
        const double value = static_cast<double>(quarters(random)) / 4;
        const double below = std::floor(value);
        const double fraction = value - below;
        const bool belowIsEven = std::fmod(below, 2) == 0;
        const double expected =
            fraction < 0.5 || (fraction == 0.5 && belowIsEven) ? below : below + 1;
        ASSERT_EQ(RoundToLong(value), static_cast<std::int64_t>(expected)) << value;
    }
}

struct ValueText {
    double value;
    const char* text;
};

TEST(DoubleToText, WritesFifteenSignificantDigits)
{
    const ValueText rows[] = {
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {12.3 / 4.1, "3"},
        {0.00001, "1E-05"},
        {1e15, "1E+15"},
        {-0.5, "-0.5"},
        {0.0, "0"},
        {-0.0, "0"},
        {-1234.5, "-1234.5"},
        {0.0001, "0.0001"},
        {std::nextafter(0.0001, 0), "0.0001"},      // rounds up into plain notation
        {999999999999999.5, "1E+15"},               // rounds up out of it
        {123456789012345.0, "123456789012345"},
        {100000000000000.5, "100000000000000"},     // an exact tie, to even
        {100000000000001.5, "100000000000002"},
        {1.5e20, "1.5E+20"},
        {-2.5e-7, "-2.5E-07"},
        {1e100, "1E+100"},
        {maxDouble, "1.79769313486232E+308"},
        {minDenormal, "4.94065645841247E-324"},
        {infinity, "Infinity"},
        {-infinity, "-Infinity"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(DoubleToText(row.value), row.text) << row.text;
}

TEST(DoubleToText, AgreesWithPrintf)
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
        const std::string expected = value == 0 ? "0" : printfText("%.15G", value);
        ASSERT_EQ(DoubleToText(value), expected) << printfText("%.17G", value);
    }
}

TEST(WholeNumberToText, PlainDigits)
{
    EXPECT_EQ(LongToText(-2147483647 - 1), "-2147483648");
    EXPECT_EQ(LongToText(2147483647), "2147483647");
    EXPECT_EQ(LongToText(0), "0");
    EXPECT_EQ(IntegerToText(-32768), "-32768");
    EXPECT_EQ(IntegerToText(32767), "32767");
    EXPECT_EQ(BooleanToText(true), "True");
    EXPECT_EQ(BooleanToText(false), "False");
}

} // namespace
} // namespace vorantis
