// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/draw.h"
#include "practice/numbers.h"

#include "core/convert.h"
#include "core/float_ops.h"

namespace vorantis::practice {
namespace {

std::int64_t powerOfTen(int places)
{
    std::int64_t power = 1;
    for (int i = 0; i < places; ++i)
        power *= 10;
    return power;
}

// A number of the row with its last place, and with a sign where either is allowed.
Ratio decimalOf(const Decimals& bounds, bool signed_, SeededRandom& random)
{
    const std::int64_t units = drawUntil([&] { return random.between(bounds.smallest, bounds.largest); },
                                         [&](std::int64_t u) { return bounds.places == 0 || u % 10 != 0; });
    return {signed_ && random.oneIn(2) ? -units : units, powerOfTen(bounds.places)};
}

bool larger(Ratio left, Ratio right)
{
    return left.numerator * right.denominator > right.numerator * left.denominator;
}

struct Operation {
    ProcedureId procedure;
    std::string_view sign;
    std::optional<Ratio> (*exact)(Ratio, Ratio);
    double (*calculators)(double, double);
};

double dividing(double left, double right) { return checkedDivide(left, right); }

Operation operationOf(Topic topic)
{
    switch (topic) {
    case Topic::decimalSums:
        return {ProcedureId::decadd, "+", addRatios, checkedAdd};
    case Topic::decimalDifferences:
        return {ProcedureId::decsub, "−", subtractRatios, checkedSubtract};
    case Topic::decimalProducts:
        return {ProcedureId::decmulti, "×", multiplyRatios, checkedMultiply};
    default:
        return {ProcedureId::mecdiv, "÷", divideRatios, dividing};
    }
}

struct Operands {
    Ratio left, right;
};

// The calculator works in binary and writes 15 significant digits, so 7.9 − 7.3 shows
// 0.600000000000001: a pupil's right answer would not be the calculator's, and such a pair is
// drawn again. Both terms, small decimals, are the doubles nearest them, as read from their text.
bool writtenExactly(const Operation& operation, const Operands& operands)
{
    const auto asDouble = [](Ratio r) {
        return static_cast<double>(r.numerator) / static_cast<double>(r.denominator);
    };
    const auto shown =
        decimalRatio(DoubleToText(operation.calculators(asDouble(operands.left), asDouble(operands.right))));
    return shown && sameValue(*shown, *operation.exact(operands.left, operands.right));
}

} // namespace

Drawn draw(Topic topic, const DecimalLevel& level, SeededRandom& random)
{
    const bool signed_ = level.signs == Signs::either;
    const bool dividing = topic == Topic::decimalQuotients;
    const Operation operation = operationOf(topic);
    const Operands operands = drawUntil(
        [&] {
            const Ratio first = decimalOf(level.first, signed_, random);
            const Ratio second = decimalOf(level.second, signed_, random);
            // Of a quotient the first is the answer, and the dividend the answer times the divisor.
            return Operands{dividing ? *multiplyRatios(first, second) : first, second};
        },
        [&](const Operands& drawn) {
            return (level.signs != Signs::firstLarger || larger(drawn.left, drawn.right)) &&
                writtenExactly(operation, drawn);
        });
    const std::string leftText = *decimalText(operands.left), rightText = *decimalText(operands.right);
    return {working::row(
                {numeral(leftText), working::sign(operation.sign), working::bracketed(numeral(rightText))}),
            AnswerShape::decimal,
            lowestTerms(*operation.exact(operands.left, operands.right)),
            operation.procedure,
            {{Field::Text20, leftText}, {Field::Text21, rightText}}};
}

} // namespace vorantis::practice
