// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The loosely typed value of the program. A Variant that refers to a field reads that
// field's text anew at every use, so a procedure that passes fields to a routine sees
// whatever the fields hold at each step of it.

#include "core/message.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace vorantis {

class Variant {
public:
    using FieldReader = std::function<std::string()>;

    Variant() = default; // empty

    static Variant integer(std::int16_t value) { return Variant(Value(value)); }
    static Variant longInteger(std::int32_t value) { return Variant(Value(value)); }
    static Variant number(double value) { return Variant(Value(value)); }
    static Variant text(std::string value) { return Variant(Value(std::move(value))); }
    // `name` says in English words what the field is ("the divisor"): a failure to read it, or
    // a division by it when it holds 0, names it so, in the language in use.
    static Variant field(FieldReader reader, std::string_view name = {})
    {
        Variant field{Value(std::move(reader))};
        field.m_name = name;
        return field;
    }

    // A text or a field, as opposed to a number or empty.
    bool isTextual() const
    {
        return std::holds_alternative<std::string>(m_value) || std::holds_alternative<FieldReader>(m_value);
    }

    // The numeric value: texts (a field's current text included) read with TextToDouble;
    // an empty Variant counts as 0.
    double toDouble() const;

    // The words that say what a field is, or nothing.
    std::string_view name() const { return m_name; }

    // What a message calls the value: a field's name, or the number itself.
    Message::Part description() const;

    // The text: a field's current text, a text as it is, a number in the program's
    // number form, and the empty text for an empty Variant.
    std::string toText() const;

private:
    using Value = std::variant<std::monostate, std::int16_t, std::int32_t, double, std::string, FieldReader>;
    explicit Variant(Value value) : m_value(std::move(value)) { }

    Value m_value;
    std::string_view m_name; // English words from a table, which outlives every Variant
};

// The runtime's Variant arithmetic: the result is a double; a division by zero, 0 / 0
// and a result beyond the double range fail.
Variant product(const Variant& left, const Variant& right);
Variant division(const Variant& left, const Variant& right);
Variant difference(const Variant& left, const Variant& right);

// The largest whole number not above the value.
Variant wholePart(const Variant& value);

bool numericallyEqual(const Variant& left, const Variant& right);

std::int32_t VariantToLong(const Variant& value);
std::string VariantToText(const Variant& value);

} // namespace vorantis
