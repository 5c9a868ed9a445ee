// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/answer.h"

#include "language/language.h"
#include "practice/numbers.h"
#include "practice/typed_numbers.h"

#include <algorithm>

namespace vorantis::practice {
namespace {

constexpr AnswerField fractionFields[]{{translatable("whole number"), translatable("the whole number")},
                                       {translatable("numerator"), translatable("the numerator")},
                                       {translatable("denominator"), translatable("the denominator")}};
constexpr AnswerField decimalFields[]{{translatable("decimal"), translatable("the decimal")}};
constexpr AnswerField percentFields[]{{translatable("percent"), translatable("the percent")}};
constexpr AnswerField wholeFields[]{{translatable("answer"), translatable("the answer")}};
constexpr AnswerField divisionFields[]{{translatable("quotient"), translatable("the quotient")},
                                       {translatable("remainder"), translatable("the remainder")}};

constexpr VerdictChoice choices[]{{Verdict::prime, translatable("Prime")},
                                  {Verdict::composite, translatable("Composite")},
                                  {Verdict::neither, translatable("Neither")}};

std::string_view textOf(const Answer& answer, std::size_t i)
{
    return i < answer.texts.size() ? std::string_view(answer.texts[i]) : std::string_view();
}

// A percent may be typed with its sign, as it is written: "75%".
std::string_view withoutPercentSign(std::string_view text)
{
    const auto last = text.find_last_not_of(" \t");
    return last != std::string_view::npos && text[last] == '%' ? text.substr(0, last) : text;
}

Checked checkNumber(const Exercise& exercise, const Answer& answer)
{
    const std::string_view typed = textOf(answer, 0);
    const Reading reading =
        readNumber(exercise.shape == AnswerShape::percent ? withoutPercentSign(typed) : typed,
                   answerFields(exercise.shape)[0].name);
    if (!reading.value)
        return {Outcome::unread, reading.note};
    return {sameValue(*reading.value, std::get<Ratio>(exercise.exact)) ? Outcome::right : Outcome::notYet,
            std::nullopt};
}

std::int64_t divisorOf(const Exercise& exercise)
{
    const auto divisor = std::find_if(exercise.fields.begin(), exercise.fields.end(),
                                      [](const TypedField& f) { return f.first == Field::Text24; });
    return std::stoll(divisor->second);
}

Checked checkDivision(const Exercise& exercise, const Answer& answer)
{
    const Reading quotient = readWhole(textOf(answer, 0), divisionFields[0].name);
    if (!quotient.value)
        return {Outcome::unread, quotient.note};
    const Reading remainder = readWhole(textOf(answer, 1), divisionFields[1].name);
    if (!remainder.value)
        return {Outcome::unread, remainder.note};
    const auto exact = std::get<QuotientAndRemainder>(exercise.exact);
    if (quotient.value->numerator == exact.quotient && remainder.value->numerator == exact.remainder)
        return {Outcome::right, std::nullopt};
    const std::int64_t divisor = divisorOf(exercise);
    if (remainder.value->numerator < divisor)
        return {Outcome::notYet, std::nullopt};
    return {Outcome::notYet,
            working::said(translatable("A remainder is always less than the divisor, and {remainder} "
                                       "is not less than {divisor}."),
                          {{"remainder", whole(remainder.value->numerator)}, {"divisor", whole(divisor)}})};
}

Checked checkVerdict(const Exercise& exercise, const Answer& answer)
{
    if (!answer.verdict)
        return {Outcome::unread, working::said(translatable("Choose Prime, Composite or Neither."), {})};
    return {*answer.verdict == std::get<Verdict>(exercise.exact) ? Outcome::right : Outcome::notYet,
            std::nullopt};
}

} // namespace

std::span<const AnswerField> answerFields(AnswerShape shape)
{
    switch (shape) {
    case AnswerShape::fraction:
        return fractionFields;
    case AnswerShape::decimal:
        return decimalFields;
    case AnswerShape::percent:
        return percentFields;
    case AnswerShape::wholeNumber:
        return wholeFields;
    case AnswerShape::quotientAndRemainder:
        return divisionFields;
    case AnswerShape::verdict:
        return {};
    }
    return {};
}

std::span<const VerdictChoice> verdictChoices() { return choices; }

Checked check(const Exercise& exercise, const Answer& answer)
{
    switch (exercise.shape) {
    case AnswerShape::fraction:
        return checkFraction(exercise, answer);
    case AnswerShape::quotientAndRemainder:
        return checkDivision(exercise, answer);
    case AnswerShape::verdict:
        return checkVerdict(exercise, answer);
    default:
        return checkNumber(exercise, answer);
    }
}

} // namespace vorantis::practice
