// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/convert.h"

#include "core/failure.h"
#include "core/nearest_double.h"
#include "core/quote.h"
#include "core/scientific.h"
#include "language/language.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>
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

// A point between a first group of one to three digits (not starting with 0) and exactly
// three more: how a pupil groups thousands in a language that writes a decimal comma. "1.000"
// there means one thousand, never one; it is no number, and the message says which marks to use.
bool isGroupedThousands(std::string_view text)
{
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
        text.remove_prefix(1);
    const auto point = text.find('.');
    if (point == std::string_view::npos || point == 0 || point > 3 || text.front() == '0' ||
        text.size() != point + 4)
        return false;
    return std::all_of(text.begin(), text.begin() + point, isDigit) &&
        std::all_of(text.begin() + point + 1, text.end(), isDigit);
}

// A number whose marks are the wrong ones for the language ("0,5" where a point is written),
// or more than one ("1.000,5", "1,000.5", digits grouped): it reads as a number once its last
// mark is taken as the decimal mark and the others are left out.
bool isMisMarked(std::string_view text, bool decimalComma)
{
    if (decimalComma && isGroupedThousands(text))
        return true;
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

// A number as a language writes it, in the grammar's own form: in a language with a decimal
// comma, "0,5" and "0.5" both read as one half; a text with both marks, either twice, or a point
// grouping thousands does not.
std::optional<std::string> withPoint(std::string_view text, bool decimalComma)
{
    std::string number(text);
    if (decimalComma) {
        if (isGroupedThousands(text))
            return std::nullopt;
        if (const auto comma = number.find(','); comma != std::string::npos &&
            number.find('.') == std::string::npos && number.find(',', comma + 1) == std::string::npos)
            number[comma] = '.';
    }
    if (!isNumberText(number))
        return std::nullopt;
    return number;
}

Message::Part words(std::string_view english) { return Message::Words{english}; }

// The message of a text that is no number: which decimal mark to use, where its marks are the
// only fault.
Message notANumber(std::string_view text, std::string_view name)
{
    const Message::Typed typed{std::string(text)};
    const bool comma = currentLanguage().decimalComma;
    if (!isMisMarked(trimBlanks(text), comma))
        return name.empty() ? Message(translatable("{text} is not a number"), {{"text", typed}})
                            : Message(translatable("{field}, {text}, is not a number"),
                                      {{"field", words(name)}, {"text", typed}});
    if (comma)
        return name.empty()
            ? Message(translatable("{text} is not a number: write one decimal comma or point, "
                                   "with no marks between the digits"),
                      {{"text", typed}})
            : Message(translatable("{field}, {text}, is not a number: write one decimal comma "
                                   "or point, with no marks between the digits"),
                      {{"field", words(name)}, {"text", typed}});
    return name.empty()
        ? Message(translatable("{text} is not a number: use a point as the decimal mark"), {{"text", typed}})
        : Message(translatable("{field}, {text}, is not a number: use a point as the decimal mark"),
                  {{"field", words(name)}, {"text", typed}});
}

// The decimal mark of the language in use.
std::string inLanguage(std::string text)
{
    if (currentLanguage().decimalComma)
        std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

Message tooLargeANumber(std::string_view text, std::string_view name)
{
    const Message::Typed typed{std::string(text)};
    return name.empty() ? Message(translatable("{text} is too large a number"), {{"text", typed}})
                        : Message(translatable("{field}, {text}, is too large a number"),
                                  {{"field", words(name)}, {"text", typed}});
}

// `text` is what the user typed, quoted in the message with its `name`; a value that was never
// typed is shown as the program writes it.
std::int32_t roundToLong(double value, std::string_view text, std::string_view name, bool typed)
{
    const double rounded = std::nearbyint(value); // the default rounding mode: ties to even
    if (rounded >= -2147483648.0 && rounded <= 2147483647.0)
        return static_cast<std::int32_t>(rounded);
    const Message::Part shown =
        typed ? Message::Part(Message::Typed{std::string(text)}) : Message::Number{value};
    if (!typed || name.empty())
        throw Failure(FailureKind::OutOfRange,
                      Message(value > 0 ? translatable("{text} is too large for a whole number")
                                        : translatable("{text} is too far below 0 for a whole number"),
                              {{"text", shown}}));
    throw Failure(FailureKind::OutOfRange,
                  Message(value > 0 ? translatable("{field}, {text}, is too large for a whole number")
                                    : translatable("{field}, {text}, is too far below 0 for a whole number"),
                          {{"field", words(name)}, {"text", shown}}));
}

} // namespace

double TextToDouble(std::string_view text, std::string_view name)
{
    const std::string_view number = trimBlanks(text);
    if (number.empty())
        throw Failure(FailureKind::NotANumber,
                      name.empty() ? Message(translatable("an empty text is not a number"))
                                   : Message(translatable("{field} is empty"), {{"field", words(name)}}));
    // The program writes an infinite result so; read back, it is a number too large to work with.
    if (isInfinityText(number))
        throw Failure(FailureKind::OutOfRange, tooLargeANumber(text, name));
    const std::optional<std::string> terminated = withPoint(number, currentLanguage().decimalComma);
    if (!terminated)
        throw Failure(FailureKind::NotANumber, notANumber(text, name));
    const double value = nearestDouble(*terminated);
    if (std::isinf(value)) // a finite text's value beyond the largest double
        throw Failure(FailureKind::OutOfRange, tooLargeANumber(text, name));
    return value;
}

std::int32_t TextToLong(std::string_view text, std::string_view name)
{
    return roundToLong(TextToDouble(text, name), text, name, true);
}

std::int32_t RoundToLong(double value) { return roundToLong(value, {}, {}, false); }

std::string respelled(std::string_view text, const Language& writtenIn)
{
    std::string_view word = trimBlanks(text);
    const bool negative = word.starts_with('-');
    if (negative)
        word.remove_prefix(1);
    if (word == trIn(writtenIn, "Infinity"))
        return DoubleToText(negative ? -HUGE_VAL : HUGE_VAL);
    std::string number(text);
    const auto mark = number.find_first_of(".,");
    if (mark == std::string::npos || !withPoint(trimBlanks(text), writtenIn.decimalComma))
        return number;
    number[mark] = currentLanguage().decimalComma ? ',' : '.';
    return number;
}

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

    // 15 significant digits, correctly rounded: d.dddddddddddddde[+-]x. Only the digits and the
    // exponent are taken, so the decimal mark of the process locale does not matter.
    auto [negative, digits, exponent] = partsOf(scientificText(value));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

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
