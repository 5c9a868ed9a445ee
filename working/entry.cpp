// SPDX-License-Identifier: GPL-3.0-or-later
#include "working/entry.h"

#include "core/convert.h"
#include "core/failure.h"
#include "core/quote.h"
#include "language/language.h"

#include <algorithm>
#include <stdexcept>
#include <variant>

namespace vorantis::working {

std::string Entry::before(Field field) const { return shown(m_click.before[field]); }

std::string Entry::after(Field field) const { return shown(m_click.after[field]); }

std::optional<std::string> Entry::written(std::string_view control, int nth) const
{
    for (const Write& write : m_click.writes)
        if (const auto* text = std::get_if<std::string>(&write.value);
            text && write.control == control && nth-- == 0)
            return *text;
    return std::nullopt;
}

std::optional<std::string> Entry::written(Field field, int nth) const
{
    const auto text = written(controlName(field), nth);
    return text ? std::optional(shown(*text)) : std::nullopt;
}

std::optional<std::string> Entry::written(Label label, int nth) const
{
    return written(controlName(label), nth);
}

std::optional<Visibility> Entry::visibilityWritten(Label label) const
{
    std::optional<Visibility> last;
    for (const Write& write : m_click.writes)
        if (const auto* visibility = std::get_if<Visibility>(&write.value);
            visibility && write.control == controlName(label))
            last = *visibility;
    return last;
}

std::string Entry::resultSign() const
{
    // Every fraction operation hides the sign first; the last write says whether it shows.
    return visibilityWritten(Label::Label41) == Visibility::shown ? after(Label::Label41) : "";
}

void Entry::about(std::string subject, bool opensFirstLine)
{
    m_subject = std::move(subject);
    m_subjectOpens = opensFirstLine;
}

std::string Entry::text() const
{
    const std::string message = m_click.failed() ? m_click.failure->said() : std::string();
    std::string text;
    // A click that stopped says first what it was doing, unless its first line already does.
    const bool subjectOpens =
        m_subjectOpens || (!message.empty() && !m_lines.empty() && !m_lines.front().starts_with(m_subject));
    // "1/2 + 1/3: the common denominator ...", with the language's own colon.
    const auto opened = [this](const std::string& line) {
        return fill(tr("{subject}: {line}"), {{"subject", m_subject}, {"line", line}});
    };
    for (const std::string& line : m_lines)
        text += text.empty() ? (subjectOpens ? opened(line) : line) : "\n" + line;
    if (!message.empty())
        text += text.empty() ? opened(message) : "\n" + message;
    return text;
}

void noteRange(Entry& entry, const std::string& operation, const std::string& result, bool exactIsZero)
{
    if (isInfinityText(result))
        entry.add(sentence("{operation} is beyond the largest number the calculator holds",
                           {{"operation", operation}}));
    else if (result == "0" && !exactIsZero)
        entry.add(sentence("{operation} is closer to 0 than the smallest number the calculator holds",
                           {{"operation", operation}}));
}

namespace {

std::string filled(std::string_view translated,
                   std::initializer_list<std::pair<std::string_view, std::string>> values)
{
    std::string line;
    for (std::size_t at = 0; at < translated.size();) {
        const std::size_t open = translated.find('{', at);
        line += translated.substr(at, open - at);
        if (open == std::string_view::npos)
            break;
        const std::size_t close = translated.find('}', open);
        const std::string_view name = translated.substr(open + 1, close - open - 1);
        const auto value =
            std::find_if(values.begin(), values.end(), [&](const auto& v) { return v.first == name; });
        if (value == values.end())
            throw std::logic_error("no value for {" + std::string(name) + "}");
        line += value->second;
        at = close + 1;
    }
    return line;
}

} // namespace

std::string sentence(std::string_view pattern,
                     std::initializer_list<std::pair<std::string_view, std::string>> values)
{
    return filled(tr(pattern), values);
}

std::string sentencePlural(std::string_view one, std::string_view many, unsigned long count,
                           std::initializer_list<std::pair<std::string_view, std::string>> values)
{
    return filled(trn(one, many, count), values);
}

std::string wholeText(std::int64_t value) { return DoubleToText(static_cast<double>(value)); }

std::string shown(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    const std::string_view number = first == std::string_view::npos
        ? text.substr(0, 0)
        : text.substr(first, text.find_last_not_of(" \t") + 1 - first);
    // Beyond this a number is quoted as a message quotes it, its start and end around "…".
    constexpr std::size_t longestNumber = 24;
    try {
        TextToDouble(number);
    } catch (const Failure& failure) {
        // A number beyond the range ("1e400", "Infinity") still shows as typed.
        if (failure.kind() != FailureKind::OutOfRange)
            return quoted(text);
    }
    if (number.size() > longestNumber)
        return quoted(number);
    return respelled(number, currentLanguage());
}

std::string operand(const std::string& term) { return term.starts_with('-') ? "(" + term + ")" : term; }

std::string fraction(const std::string& numerator, const std::string& denominator)
{
    return numerator + "/" + denominator;
}

double valueOf(const std::string& text) { return TextToDouble(text); }

bool isWhole(const std::string& text)
{
    try {
        return LongToText(TextToLong(text)) == text;
    } catch (const Failure&) {
        return false;
    }
}

std::string wholeOf(const std::string& text)
{
    if (isWhole(text))
        return text;
    try {
        return sentence("{whole} ({typed} taken as a whole number)",
                        {{"whole", LongToText(TextToLong(text))}, {"typed", text}});
    } catch (const Failure&) {
        return text;
    }
}

std::string symbolFor(std::string_view caption)
{
    if (caption == "-")
        return "−";
    if (caption == "*")
        return "×";
    if (caption == "/")
        return "÷";
    return std::string(caption);
}

} // namespace vorantis::working
