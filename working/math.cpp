// SPDX-License-Identifier: GPL-3.0-or-later
#include "working/math.h"

#include <utility>

namespace vorantis::working {

Math number(std::string text) { return {Math::Kind::number, std::move(text), {}}; }

Math whole(long long value) { return number(std::to_string(value)); }

Math typed(std::string text) { return {Math::Kind::typed, std::move(text), {}}; }

Math sign(std::string_view symbol) { return {Math::Kind::sign, std::string(symbol), {}}; }

Math words(std::string_view english) { return {Math::Kind::words, std::string(english), {}}; }

Math fraction(Math numerator, Math denominator)
{
    return {Math::Kind::fraction, {}, {std::move(numerator), std::move(denominator)}};
}

Math power(Math base, Math exponent)
{
    return {Math::Kind::power, {}, {std::move(base), std::move(exponent)}};
}

Math root(Math radicand) { return {Math::Kind::root, {}, {std::move(radicand)}}; }

Math row(std::vector<Math> parts) { return {Math::Kind::row, {}, std::move(parts)}; }

Math list(std::vector<Math> items) { return {Math::Kind::list, {}, std::move(items)}; }

Math negative(Math term) { return row({sign("−"), std::move(term)}); }

namespace {

bool belowZero(const Math& term)
{
    switch (term.kind) {
    case Math::Kind::number:
        return term.text.starts_with('-');
    case Math::Kind::fraction: // -3/12 and 1/-6 alike
        return belowZero(term.parts[0]) || belowZero(term.parts[1]);
    case Math::Kind::row: // −1/2 as a pupil writes it
        return !term.parts.empty() && term.parts.front().kind == Math::Kind::sign &&
            term.parts.front().text == "−";
    default:
        return false;
    }
}

} // namespace

Math bracketed(Math term)
{
    if (!belowZero(term))
        return term;
    return row({sign("("), std::move(term), sign(")")});
}

bool bracketedAsBase(const Math& base)
{
    return base.kind == Math::Kind::row || base.kind == Math::Kind::fraction ||
        (base.kind == Math::Kind::number && base.text.find_first_of("-Ee") != std::string::npos);
}

Math operationSign(std::string_view caption)
{
    return sign(caption == "-" ? "−" : caption == "*" ? "×" : caption == "/" ? "÷" : caption);
}

Math relation(Math left, std::string_view symbol, Math right)
{
    return row({std::move(left), sign(symbol), std::move(right)});
}

} // namespace vorantis::working
