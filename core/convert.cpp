// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/convert.h"

#include "core/failure.h"
#include "core/quote.h"
#include "language/language.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <utility>

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

// A number whose marks are the wrong ones for the language ("0,5" where a point is written),
// or more than one ("1.000,5", "1,000.5", digits grouped): it reads as a number once its last
// mark is taken as the decimal mark and the others are left out.
bool isMisMarked(std::string_view text)
{
    const auto last = text.find_last_of(".,");
    if (last == std::string_view::npos)
        return false;
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (i == last)
            plain += '.';
        else if (text[i] != '.' && text[i] != ',')
            plain += text[i];
    return isNumberText(plain);
}

// A number as the language writes it, in the grammar's own form: in a language with a decimal
// comma, "0,5" and "0.5" both read as one half; a text with both marks, or either twice, does not.
std::string withPoint(std::string_view text)
{
    std::string number(text);
    if (currentLanguage().decimalComma && number.find('.') == std::string::npos) {
        if (const auto comma = number.find(',');
            comma != std::string::npos && number.find(',', comma + 1) == std::string::npos)
            number[comma] = '.';
    }
    return number;
}

// The message of a text that is no number: which decimal mark to use, where its marks are the
// only fault.
std::string notANumber(std::string_view text, std::string_view name)
{
    const std::string typed = quoted(text);
    if (!isMisMarked(trimBlanks(text)))
        return name.empty()
            ? fill(tr("{text} is not a number"), {{"text", typed}})
            : fill(tr("{field}, {text}, is not a number"), {{"field", name}, {"text", typed}});
    if (currentLanguage().decimalComma)
        return name.empty() ? fill(tr("{text} is not a number: write one decimal comma or point, with no "
                                      "marks between the digits"),
                                   {{"text", typed}})
                            : fill(tr("{field}, {text}, is not a number: write one decimal comma or point, "
                                      "with no marks between the digits"),
                                   {{"field", name}, {"text", typed}});
    return name.empty()
        ? fill(tr("{text} is not a number: use a point as the decimal mark"), {{"text", typed}})
        : fill(tr("{field}, {text}, is not a number: use a point as the decimal mark"),
               {{"field", name}, {"text", typed}});
}

// The decimal mark of the language in use.
std::string inLanguage(std::string text)
{
    if (currentLanguage().decimalComma)
        std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string tooLargeANumber(std::string_view text, std::string_view name)
{
    return name.empty()
        ? fill(tr("{text} is too large a number"), {{"text", quoted(text)}})
        : fill(tr("{field}, {text}, is too large a number"), {{"field", name}, {"text", quoted(text)}});
}

// strtod follows the process locale, which a desktop application sets from the user's
// settings; numbers here are always read the same way, so parse in the C locale.
locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr);
    return locale;
}

// `text` is what the user typed, quoted in the message with its `name`; a value that was never
// typed is shown as the program writes it.
std::int32_t roundToLong(double value, std::string_view text, std::string_view name, bool typed)
{
    const double rounded = std::nearbyint(value); // the default rounding mode: ties to even
    if (rounded >= -2147483648.0 && rounded <= 2147483647.0)
        return static_cast<std::int32_t>(rounded);
    const std::string shown = typed ? quoted(text) : std::string(text);
    if (!typed || name.empty())
        throw Failure(FailureKind::OutOfRange,
                      fill(value > 0 ? tr("{text} is too large for a whole number")
                                     : tr("{text} is too far below 0 for a whole number"),
                           {{"text", shown}}));
    throw Failure(FailureKind::OutOfRange,
                  fill(value > 0 ? tr("{field}, {text}, is too large for a whole number")
                                 : tr("{field}, {text}, is too far below 0 for a whole number"),
                       {{"field", name}, {"text", shown}}));
}

} // namespace

double TextToDouble(std::string_view text, std::string_view name)
{
    const std::string_view number = trimBlanks(text);
    if (number.empty())
        throw Failure(FailureKind::NotANumber,
                      name.empty() ? std::string(tr("an empty text is not a number"))
                                   : fill(tr("{field} is empty"), {{"field", name}}));
    // The program writes an infinite result so; read back, it is a number too large to work with.
    if (isInfinityText(number))
        throw Failure(FailureKind::OutOfRange, tooLargeANumber(text, name));
    const std::string terminated = withPoint(number);
    if (!isNumberText(terminated))
        throw Failure(FailureKind::NotANumber, notANumber(text, name));
    errno = 0;
    const double value = strtod_l(terminated.c_str(), nullptr, cLocale());
    if (errno == ERANGE && std::isinf(value))
        throw Failure(FailureKind::OutOfRange, tooLargeANumber(text, name));
    return value;
}

std::int32_t TextToLong(std::string_view text, std::string_view name)
{
    return roundToLong(TextToDouble(text, name), text, name, true);
}

std::int32_t RoundToLong(double value) { return roundToLong(value, DoubleToText(value), {}, false); }

bool isInfinityText(std::string_view text)
{
    if (text.starts_with('-'))
        text.remove_prefix(1);
    return text == "Infinity" || text == tr("Infinity");
}

std::string DoubleToText(double value)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return (value < 0 ? "-" : "") + std::string(tr("Infinity"));
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
        return inLanguage(std::move(text));
    }
    text += digits.substr(0, 1);
    if (digits.size() > 1)
        text += "." + digits.substr(1);
    const int magnitude = exponent < 0 ? -exponent : exponent;
    text += exponent < 0 ? "E-" : "E+";
    if (magnitude < 10)
        text += '0';
    text += std::to_string(magnitude);
    return inLanguage(std::move(text));
}

std::string LongToText(std::int32_t value) { return std::to_string(value); }

std::string IntegerToText(std::int16_t value) { return std::to_string(value); }

std::string BooleanToText(bool value) { return value ? "True" : "False"; }

} // namespace vorantis
