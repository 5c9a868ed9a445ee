// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/variant.h"

#include "core/convert.h"
#include "core/failure.h"
#include "core/float_ops.h"
#include "language/language.h"

#include <cmath>

namespace vorantis {
namespace {

template <class... Handlers> struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <class... Handlers> Overloaded(Handlers...) -> Overloaded<Handlers...>; // for clang 14

// `operation` is the operation's pattern, "{left} × {right}".
Variant finiteResult(double result, const Variant& left, std::string_view operation, const Variant& right)
{
    if (!std::isnan(result) && !std::isinf(result))
        return Variant::number(result);
    const Message::Part what =
        nested(Message::symbols(operation, {{"left", left.description()}, {"right", right.description()}}));
    if (std::isnan(result))
        throw Failure(FailureKind::InvalidOperation,
                      Message(translatable("{operation} has no value"), {{"operation", what}}));
    throw Failure(FailureKind::OutOfRange,
                  Message(translatable("{operation} is too large a number"), {{"operation", what}}));
}

} // namespace

double Variant::toDouble() const
{
    return std::visit(Overloaded{
                          [](std::monostate) { return 0.0; },
                          [](std::int16_t v) { return static_cast<double>(v); },
                          [](std::int32_t v) { return static_cast<double>(v); },
                          [](double v) { return v; },
                          [](const std::string& v) { return TextToDouble(v); },
                          [this](const FieldReader& read) { return TextToDouble(read(), m_name); },
                      },
                      m_value);
}

Message::Part Variant::description() const
{
    if (m_name.empty())
        return Message::Number{toDouble()};
    return Message::Words{m_name};
}

std::string Variant::toText() const
{
    return std::visit(Overloaded{
                          [](std::monostate) { return std::string(); },
                          [](std::int16_t v) { return IntegerToText(v); },
                          [](std::int32_t v) { return LongToText(v); },
                          [](double v) { return DoubleToText(v); },
                          [](const std::string& v) { return v; },
                          [](const FieldReader& read) { return read(); },
                      },
                      m_value);
}

Variant product(const Variant& left, const Variant& right)
{
    const double l = left.toDouble();
    const double r = right.toDouble();
    return finiteResult(l * r, left, "{left} × {right}", right);
}

Variant division(const Variant& left, const Variant& right)
{
    const double l = left.toDouble();
    const double r = right.toDouble();
    if (r == 0)
        throw divisionByZero(l, right.name());
    return finiteResult(l / r, left, "{left} ÷ {right}", right);
}

Variant difference(const Variant& left, const Variant& right)
{
    const double l = left.toDouble();
    const double r = right.toDouble();
    return finiteResult(l - r, left, "{left} − {right}", right);
}

Variant wholePart(const Variant& value) { return Variant::number(std::floor(value.toDouble())); }

bool numericallyEqual(const Variant& left, const Variant& right)
{
    return left.toDouble() == right.toDouble();
}

std::int32_t VariantToLong(const Variant& value)
{
    // A text is rounded from its own reading, so a failure quotes it as typed; a number is
    // rounded from its exact value, not from its 15-digit text.
    if (value.isTextual())
        return TextToLong(value.toText(), value.name());
    return RoundToLong(value.toDouble());
}

std::string VariantToText(const Variant& value) { return value.toText(); }

} // namespace vorantis
