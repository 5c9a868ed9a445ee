// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/convert.h"

#include "core/failure.h"
#include "core/quote.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace vorantis {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The whole number grammar, on a text without surrounding blanks.
bool isNumberText(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i]))
            ++digits;
        else if (text[i] == '.' && !point)
            point = true;
        else
            break;
    }
    if (digits == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        const std::size_t exponentStart = i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        if (i == exponentStart)
            return false;
    }
    return i == text.size();
}

// "0,5" is what a user with a comma locale types; tell them what to type instead.
bool isCommaDecimal(std::string_view text)
{
    const auto comma = text.find(',');
    if (comma == std::string_view::npos || text.find(',', comma + 1) != std::string_view::npos ||
        text.find('.') != std::string_view::npos)
        return false;
    std::string withPoint(text);
    withPoint[comma] = '.';
    return isNumberText(withPoint);
}

// What a message calls the text: "the divisor, "abc"," or just ""abc"".
std::string subject(std::string_view text, std::string_view name)
{
    return name.empty() ? quoted(text) : std::string(name) + ", " + quoted(text) + ",";
}

// strtod follows the process locale, which a desktop application sets from the user's
// settings; numbers here are always read the same way, so parse in the C locale.
locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr);
    return locale;
}

std::int32_t roundToLong(double value, const std::string& shownAs)
{
    const double rounded = std::nearbyint(value); // the default rounding mode: ties to even
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
        throw Failure(
            FailureKind::OutOfRange,
            shownAs +
                (value > 0 ? " is too large for a whole number" : " is too far below 0 for a whole number"));
    return static_cast<std::int32_t>(rounded);
}

} // namespace

double TextToDouble(std::string_view text, std::string_view name)
{
    const std::string_view number = trimBlanks(text);
    if (number.empty())
        throw Failure(FailureKind::NotANumber,
                      name.empty() ? "an empty text is not a number" : std::string(name) + " is empty");
    // The program writes an infinite result so; read back, it is a number too large to work with.
    if (isInfinityText(number))
        throw Failure(FailureKind::OutOfRange, subject(text, name) + " is too large a number");
    if (!isNumberText(number))
        throw Failure(FailureKind::NotANumber,
                      subject(text, name) + " is not a number" +
                          (isCommaDecimal(number) ? ": use a point as the decimal mark" : ""));
    const std::string terminated(number);
    errno = 0;
    const double value = strtod_l(terminated.c_str(), nullptr, cLocale());
    if (errno == ERANGE && std::isinf(value))
        throw Failure(FailureKind::OutOfRange, subject(text, name) + " is too large a number");
    return value;
}

std::int32_t TextToLong(std::string_view text, std::string_view name)
{
    return roundToLong(TextToDouble(text, name), subject(text, name));
}

std::int32_t RoundToLong(double value) { return roundToLong(value, DoubleToText(value)); }

bool isInfinityText(std::string_view text) { return text == "Infinity" || text == "-Infinity"; }

std::string DoubleToText(double value)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0)
        return "0"; // negative zero included

    // 15 significant digits, correctly rounded: d.dddddddddddddde[+-]x. snprintf rather than
    // std::to_chars, which not every standard library has for floating point; glibc and musl
    // both round the exact binary value. Only the digits and the exponent are taken, so the
    // decimal mark of the process locale does not matter.
    char buffer[64];
    const int length = std::snprintf(buffer, sizeof buffer, "%.14e", value);
    const char* end = buffer + length; // 64 characters always hold 15 digits and an exponent
    const std::string_view scientific(buffer, static_cast<std::size_t>(length));
    const auto e = scientific.find('e');
    const bool negative = scientific.front() == '-';
    std::string digits;
    for (char c : scientific.substr(0, e))
        if (isDigit(c))
            digits += c;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    int exponent = 0;
    std::from_chars(scientific.data() + e + 1 + (scientific[e + 1] == '+'), end, exponent);

    std::string text = negative ? "-" : "";
    if (exponent >= -4 && exponent < 15) {
        if (exponent < 0) {
            text += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
        } else if (digits.size() <= static_cast<std::size_t>(exponent) + 1) {
            const auto zeros = static_cast<std::size_t>(exponent) + 1 - digits.size();
            text += digits + std::string(zeros, '0');
        } else {
            text += digits.substr(0, static_cast<std::size_t>(exponent) + 1) + "." +
                digits.substr(static_cast<std::size_t>(exponent) + 1);
        }
        return text;
    }
    text += digits.substr(0, 1);
    if (digits.size() > 1)
        text += "." + digits.substr(1);
    const int magnitude = exponent < 0 ? -exponent : exponent;
    text += exponent < 0 ? "E-" : "E+";
    if (magnitude < 10)
        text += '0';
    text += std::to_string(magnitude);
    return text;
}

std::string LongToText(std::int32_t value) { return std::to_string(value); }

std::string IntegerToText(std::int16_t value) { return std::to_string(value); }

std::string BooleanToText(bool value) { return value ? "True" : "False"; }

} // namespace vorantis
