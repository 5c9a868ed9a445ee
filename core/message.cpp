// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/message.h"

#include "core/convert.h"
#include "core/quote.h"
#include "language/language.h"

namespace vorantis {
namespace {

template <class... Handlers> struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <class... Handlers> Overloaded(Handlers...) -> Overloaded<Handlers...>; // for clang 14

std::string saidPart(const Message::Part& part)
{
    return std::visit(Overloaded{
                          [](const Message::Words& words) { return std::string(tr(words.english)); },
                          [](const Message::Typed& typed) { return quoted(typed.text); },
                          [](const Message::Number& number) { return DoubleToText(number.value); },
                          [](const std::shared_ptr<const Message>& inner) { return inner->said(); },
                      },
                      part);
}

} // namespace

Message::Message(std::string_view pattern, std::initializer_list<std::pair<std::string_view, Part>> parts)
    : m_pattern(pattern), m_parts(parts)
{
}

std::string Message::said() const
{
    std::vector<std::string> texts;
    texts.reserve(m_parts.size());
    for (const auto& [name, part] : m_parts)
        texts.push_back(saidPart(part));
    std::vector<std::pair<std::string_view, std::string_view>> values;
    for (std::size_t i = 0; i < m_parts.size(); ++i)
        values.emplace_back(m_parts[i].first, texts[i]);
    return fill(tr(m_pattern), values);
}

} // namespace vorantis
