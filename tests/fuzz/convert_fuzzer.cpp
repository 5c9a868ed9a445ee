// The conversions alone: any text into TextToDouble and TextToLong, checked against an
// independent reading of the number grammar; and the first eight bytes, taken as a double,
// through DoubleToText and back.

#include "core/convert.h"
#include "core/failure.h"
#include "tests/fuzz/shown_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <regex>
#include <string>
#include <string_view>

namespace vorantis::fuzz {
namespace {

// Blanks around ignored; an optional sign; digits with at most one decimal point and at
// least one digit; an optional exponent.
const std::regex numberGrammar(R"([ \t]*[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?[ \t]*)");

// The regular expression's executor recurses once per character: longer texts could run it
// out of stack, and no longer texts are needed to cover the grammar.
constexpr std::size_t longestText = 1024;

[[noreturn]] void report(std::string_view text, const std::string& problem)
{
    std::fprintf(stderr, "\n== \"%.*s\": %s\n", static_cast<int>(text.size()), text.data(), problem.c_str());
    std::abort();
}

std::optional<FailureKind> failureOf(auto call)
{
    try {
        call();
    } catch (const Failure& failure) {
        return failure.kind();
    }
    return std::nullopt;
}

// The value by std::from_chars, which shares no code with the program's reading: nothing
// when it finds the value beyond the range of a double (too large or too small).
std::optional<double> referenceValue(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range)
        return std::nullopt;
    if (error != std::errc() || end != text.data() + text.size())
        report(text, "the reference reading refuses a text of the grammar");
    return negative ? -value : value;
}

// The decimal exponent of the first nonzero digit of a text of the grammar ("0.05e3": 1),
// held within a few million: above 0 for a value beyond the double range, below 0 for one
// too small for it, where the reference reading gives no value.
long leadingExponent(std::string_view text)
{
    long integerDigits = 0; // digits before the decimal point
    long leadingZeros = 0; // digits before the point that come before the first nonzero one
    bool seenPoint = false;
    bool seenNonzero = false;
    long zerosAfterPoint = 0; // before the first nonzero digit
    std::size_t i = 0;
    for (; i < text.size() && text[i] != 'e' && text[i] != 'E'; ++i) {
        if (text[i] == '.')
            seenPoint = true;
        if (text[i] < '0' || text[i] > '9')
            continue;
        seenNonzero = seenNonzero || text[i] != '0';
        if (!seenPoint)
            ++integerDigits;
        if (!seenNonzero)
            ++(seenPoint ? zerosAfterPoint : leadingZeros);
    }
    const long position =
        integerDigits > leadingZeros ? integerDigits - leadingZeros - 1 : -1 - zerosAfterPoint;
    long exponent = 0;
    const bool negative = i + 1 < text.size() && text[i + 1] == '-';
    for (; i < text.size(); ++i)
        if (text[i] >= '0' && text[i] <= '9')
            exponent = std::min(exponent * 10 + (text[i] - '0'), 1000000L);
    return position + (negative ? -exponent : exponent);
}

// Nearest whole number, ties to even, from floor and the distance to it.
double roundedTiesToEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction != 0.5)
        return fraction < 0.5 ? below : below + 1;
    return std::fmod(below, 2) == 0 ? below : below + 1;
}

void checkText(std::string_view text)
{
    const bool grammatical = std::regex_match(text.begin(), text.end(), numberGrammar);
    double value = 0;
    const std::optional<FailureKind> failure = failureOf([&] { value = TextToDouble(text); });

    if (!grammatical) {
        if (failure != FailureKind::NotANumber)
            report(text, "outside the grammar, yet not refused as no number");
        if (failureOf([&] { TextToLong(text); }) != FailureKind::NotANumber)
            report(text, "TextToLong reads a text outside the grammar");
        return;
    }
    const std::optional<double> reference = referenceValue(text);
    const bool tooLarge = !reference && leadingExponent(text) > 0;
    if (failure) {
        if (failure != FailureKind::OutOfRange || !tooLarge)
            report(text, "a number of the grammar is refused");
        if (failureOf([&] { TextToLong(text); }) != FailureKind::OutOfRange)
            report(text, "TextToLong does not refuse a number beyond the double range");
        return;
    }
    if (tooLarge)
        report(text, "a number beyond the double range is read as " + DoubleToText(value));
    // A value too small for a double reads as 0 or as one of the smallest doubles.
    if (reference ? std::memcmp(&value, &*reference, sizeof value) != 0
                  : std::fabs(value) >= std::numeric_limits<double>::min())
        report(text, "read as " + DoubleToText(value) + ", not as the reference reads it");

    const double rounded = roundedTiesToEven(value);
    std::int32_t whole = 0;
    const std::optional<FailureKind> wholeFailure = failureOf([&] { whole = TextToLong(text); });
    if (rounded >= -2147483648.0 && rounded <= 2147483647.0) {
        if (wholeFailure || whole != rounded)
            report(text, "TextToLong does not give the nearest whole number, ties to even");
    } else if (wholeFailure != FailureKind::OutOfRange) {
        report(text, "TextToLong does not refuse a number beyond the 32-bit range");
    }

    if (const std::string problem = shownNumberProblem(DoubleToText(value)); !problem.empty())
        report(text, "its 15-digit text " + DoubleToText(value) + " " + problem);
}

void checkDouble(double value)
{
    const std::string text = DoubleToText(value);
    if (std::isnan(value) || std::isinf(value)) {
        const char* expected = std::isnan(value) ? "NaN" : value < 0 ? "-Infinity" : "Infinity";
        if (text != expected)
            report(text, "is not the text of a value with no finite number");
        return;
    }
    // printf's own 15 digits, in the C locale the fuzzer runs in; 0 has no sign.
    char printed[64];
    std::snprintf(printed, sizeof printed, "%.15G", value);
    if (text != (value == 0 ? "0" : printed))
        report(text, std::string("is not printf's 15 digits ") + printed);
    if (const std::string problem = shownNumberProblem(text); !problem.empty())
        report(text, problem);
}

} // namespace
} // namespace vorantis::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > vorantis::fuzz::longestText)
        return 0;
    vorantis::fuzz::checkText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        vorantis::fuzz::checkDouble(value);
    }
    return 0;
}
