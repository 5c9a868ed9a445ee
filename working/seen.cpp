// SPDX-License-Identifier: GPL-3.0-or-later
#include "working/seen.h"

#include "core/convert.h"
#include "core/failure.h"

#include <variant>

namespace vorantis::working {
namespace {

std::string trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") + 1 - first));
}

std::optional<std::string> writeOf(const Click& click, Control control, int nth)
{
    for (const Write& write : click.writes)
        if (const auto* text = std::get_if<std::string>(&write.value);
            text && write.control == control && nth-- == 0)
            return *text;
    return std::nullopt;
}

} // namespace

std::string Seen::before(Field field) const { return trimmed(m_click.before[field]); }

std::string Seen::after(Field field) const { return trimmed(m_click.after[field]); }

std::optional<std::string> Seen::written(Field field, int nth) const
{
    const auto text = writeOf(m_click, field, nth);
    return text ? std::optional(trimmed(*text)) : std::nullopt;
}

std::optional<std::string> Seen::written(Label label, int nth) const { return writeOf(m_click, label, nth); }

std::optional<Visibility> Seen::visibilityWritten(Label label) const
{
    std::optional<Visibility> last;
    for (const Write& write : m_click.writes)
        if (const auto* visibility = std::get_if<Visibility>(&write.value);
            visibility && write.control == Control(label))
            last = *visibility;
    return last;
}

bool Seen::resultNegative() const
{
    // Every fraction operation hides the sign first; the last write says whether it shows.
    return visibilityWritten(Label::Label41) == Visibility::shown;
}

Math term(const std::string& text)
{
    // Beyond this a number is quoted as a message quotes it, its start and end around "…".
    constexpr std::size_t longestNumber = 24;
    try {
        TextToDouble(text);
    } catch (const Failure& failure) {
        // A number beyond the range ("1e400", "Infinity") still shows as typed.
        if (failure.kind() != FailureKind::OutOfRange)
            return typed(text);
    }
    if (text.size() > longestNumber)
        return typed(text);
    return number(text);
}

Math term(std::int64_t value) { return number(textOf(static_cast<double>(value))); }

double valueOf(const std::string& text) { return TextToDouble(text); }

bool isWhole(const std::string& text)
{
    try {
        return LongToText(TextToLong(text)) == text;
    } catch (const Failure&) {
        return false;
    }
}

std::string textOf(double value) { return DoubleToText(value); }

} // namespace vorantis::working
