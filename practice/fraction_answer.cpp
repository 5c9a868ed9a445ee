// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/numbers.h"
#include "practice/typed_numbers.h"

#include "language/language.h"

#include <array>
#include <cstdlib>
#include <numeric>

namespace vorantis::practice {
namespace {

// A fraction as it was typed or as a teacher writes it: a whole part, a fraction, or both.
struct Written {
    std::optional<std::int64_t> whole;
    std::optional<std::int64_t> numerator, denominator;

    bool operator==(const Written&) const = default;
};

// The usual form of a value in lowest terms: the minus sign on its first term.
Written usualOf(Ratio value, bool mixed)
{
    if (value.denominator == 1)
        return {value.numerator, {}, {}};
    if (mixed && std::llabs(value.numerator) > value.denominator)
        return {value.numerator / value.denominator, std::llabs(value.numerator % value.denominator),
                value.denominator};
    return {{}, value.numerator, value.denominator};
}

working::Math mathOf(const Written& written)
{
    if (!written.numerator)
        return whole(*written.whole);
    const working::Math part = working::fraction(whole(*written.numerator), whole(*written.denominator));
    return written.whole ? working::row({whole(*written.whole), part}) : part;
}

Ratio valueOf(const Written& written)
{
    if (!written.numerator)
        return {*written.whole, 1};
    const Ratio part{*written.numerator, *written.denominator};
    if (!written.whole)
        return part;
    const Ratio size = *addRatios({std::llabs(*written.whole), 1}, part);
    return *written.whole < 0 ? Ratio{-size.numerator, size.denominator} : size;
}

struct Read {
    std::optional<Written> written;
    std::optional<working::Step> note;
};

// A whole part alone, a fraction, or both; the terms whole numbers, the denominator not 0, and in
// a mixed number the sign on the whole part alone.
Read readFraction(const Answer& answer)
{
    const auto boxes = answerFields(AnswerShape::fraction);
    std::array<std::string_view, 3> texts{};
    for (std::size_t i = 0; i < texts.size() && i < answer.texts.size(); ++i)
        texts[i] = answer.texts[i];
    std::array<std::optional<std::int64_t>, 3> terms;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i == 0 && isBlank(texts[0]))
            continue;
        if (i == 1 && terms[0] && isBlank(texts[1]) && isBlank(texts[2]))
            return {Written{terms[0], {}, {}}, std::nullopt};
        const Reading reading = readWhole(texts[i], boxes[i].name);
        if (!reading.value)
            return {std::nullopt, reading.note};
        terms[i] = reading.value->numerator;
    }
    if (*terms[2] == 0)
        return {std::nullopt,
                working::said(translatable("{field} is 0, and a fraction cannot have 0 as its denominator"),
                              {{"field", working::words(boxes[2].name)}})};
    if (terms[0] && (*terms[1] < 0 || *terms[2] < 0))
        return {std::nullopt,
                working::said(translatable("In a mixed number, only the whole number has a sign."), {})};
    return {Written{terms[0], terms[1], terms[2]}, std::nullopt};
}

} // namespace

Checked checkFraction(const Exercise& exercise, const Answer& answer)
{
    const Read read = readFraction(answer);
    if (!read.written)
        return {Outcome::unread, read.note};
    const Written& typed = *read.written;
    const Ratio exact = std::get<Ratio>(exercise.exact);
    if (!sameValue(valueOf(typed), exact))
        return {Outcome::notYet, std::nullopt};
    const bool mixed = topicRow(exercise.topic).mixedAnswers;
    const std::initializer_list<std::pair<std::string_view, working::Math>> forms{
        {"typed", mathOf(typed)}, {"usual", usualFraction(exact, mixed)}};
    if (typed.numerator && std::gcd(*typed.numerator, *typed.denominator) != 1)
        return {Outcome::unfinished,
                working::said(translatable("Right value: {typed} is {usual} in lowest terms."), forms)};
    if (typed.denominator && *typed.denominator < 0)
        return {Outcome::right,
                working::said(translatable("Right: {typed} is usually written {usual}."), forms)};
    if (typed == usualOf(exact, mixed))
        return {Outcome::right, std::nullopt};
    return {Outcome::right, working::said(translatable("Right: {typed} is {usual}."), forms)};
}

} // namespace vorantis::practice
