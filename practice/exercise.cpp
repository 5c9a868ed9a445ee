// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/exercise.h"

#include "practice/numbers.h"

namespace vorantis::practice {

working::Math usualAnswer(const ExactAnswer& exact, AnswerShape shape, bool mixed)
{
    if (const auto* division = std::get_if<QuotientAndRemainder>(&exact))
        return working::row({whole(division->quotient), working::words(translatable("remainder")),
                             whole(division->remainder)});
    if (const auto* verdict = std::get_if<Verdict>(&exact))
        return working::words(*verdict == Verdict::prime           ? translatable("Prime")
                                  : *verdict == Verdict::composite ? translatable("Composite")
                                                                   : translatable("Neither"));
    const Ratio value = std::get<Ratio>(exact);
    switch (shape) {
    case AnswerShape::fraction:
        return usualFraction(value, mixed);
    case AnswerShape::percent:
        return working::row({numeral(*decimalText(value)), working::sign("%")});
    default:
        return numeral(*decimalText(value));
    }
}

bool sameExercise(const Drawn& left, const Drawn& right)
{
    return left.procedure == right.procedure && left.shape == right.shape && left.fields == right.fields;
}

} // namespace vorantis::practice
