// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A message for the user kept as a value: its English sentence pattern and what each of its
// placeholders stands for. It is put into words only when it is shown, in the language in use
// then, so a message still on view after a change of language is said again in the new one,
// its names in the new words and its numbers with the new decimal mark.

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace vorantis {

class Message {
public:
    // English words said through the catalogue: a field's name ("the divisor").
    struct Words {
        std::string_view english;
    };
    // What the user typed: quoted, short and on one line (core/quote.h).
    struct Typed {
        std::string text;
    };
    // A number, written as the program writes numbers.
    struct Number {
        double value;
    };
    using Part = std::variant<Words, Typed, Number, std::shared_ptr<const Message>>;

    // `pattern` is English, marked translatable() where it is written; each {name} is the part
    // of that name.
    Message(std::string_view pattern, std::initializer_list<std::pair<std::string_view, Part>> parts = {});

    // A pattern that is the same in every language ("{left} × {right}"): only its parts are said.
    // It is marked for no catalogue, so every language finds it as it is.
    static Message symbols(std::string_view pattern,
                           std::initializer_list<std::pair<std::string_view, Part>> parts)
    {
        return Message(pattern, parts);
    }

    // In the language in use.
    std::string said() const;

    std::string_view pattern() const { return m_pattern; }

private:
    std::string_view m_pattern;
    std::vector<std::pair<std::string_view, Part>> m_parts;
};

// A message as a part of another ("{operation} has no value").
inline Message::Part nested(Message message) { return std::make_shared<const Message>(std::move(message)); }

} // namespace vorantis
