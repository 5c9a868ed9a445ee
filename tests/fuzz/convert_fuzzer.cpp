// SPDX-License-Identifier: GPL-3.0-or-later
// The conversions alone: any text through TextToDouble and TextToLong, checked against an
// independent reading of the number grammar.

#include "core/convert.h"
#include "core/failure.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <regex>
#include <string>

namespace vorantis {
namespace {

// Blanks around; an optional sign; digits with at most one point, at least one digit; an
// optional exponent.
const std::regex numberGrammar(R"([ \t]*[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?[ \t]*)");

void check(bool holds, const std::string& text, const char* what)
{
    if (!holds)
        std::fprintf(stderr, "== \"%s\": %s\n", text.c_str(), what), std::abort();
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

void checkText(const std::string& text)
{
    double value = 0;
    const auto failure = failureOf([&] { value = TextToDouble(text); });
    const auto wholeFailure = failureOf([&] { TextToLong(text); });
    if (!std::regex_match(text, numberGrammar)) {
        // The program's own text for an infinite value reads as a number too large to use.
        const bool infinite = std::regex_match(text, std::regex("[ \t]*-?Infinity[ \t]*"));
        check(failure == (infinite ? FailureKind::OutOfRange : FailureKind::NotANumber) &&
                  wholeFailure == failure,
              text, "outside the grammar, read");
        return;
    }
    // The reference: std::from_chars, which rounds exactly and finds a value out of range when
    // it would be infinite or is too small; a long double, whose range is far wider, tells which.
    std::string bare = text.substr(text.find_first_not_of(" \t"));
    bare.erase(bare.find_last_not_of(" \t") + 1);
    const bool negative = bare.front() == '-';
    const std::size_t digits = bare.front() == '+' || negative;
    double reference = 0;
    const auto read = std::from_chars(bare.data() + digits, bare.data() + bare.size(), reference);
    const bool tooLarge =
        read.ec == std::errc::result_out_of_range && std::fabs(std::strtold(bare.c_str(), nullptr)) > 1;
    check(failure == (tooLarge ? std::optional(FailureKind::OutOfRange) : std::nullopt), text, "range");
    if (tooLarge)
        return;
    if (read.ec == std::errc())
        check(value == (negative ? -reference : reference), text, "read as another value");
    else
        check(std::fabs(value) < std::numeric_limits<double>::min(), text, "underflow not near 0");

    const double rounded = std::nearbyint(value); // ties to even in the default rounding mode
    const bool inRange = rounded >= -2147483648.0 && rounded <= 2147483647.0;
    check(inRange ? !wholeFailure && TextToLong(text) == rounded : wholeFailure == FailureKind::OutOfRange,
          text, "not rounded to the nearest whole number, ties to even");
}

} // namespace
} // namespace vorantis

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The regular expression's executor recurses once per character.
    if (size > 1024)
        return 0;
    vorantis::checkText(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
