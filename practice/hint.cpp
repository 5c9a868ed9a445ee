// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/hint.h"

#include "practice/numbers.h"

#include <algorithm>
#include <cstdlib>

namespace vorantis::practice {
namespace {

bool holds(const working::Math& math, const working::Math& piece)
{
    return math == piece || std::any_of(math.parts.begin(), math.parts.end(), [&](const working::Math& part) {
               return holds(part, piece);
           });
}

// What in a step would give the answer away: the fraction with its terms (a whole number over 1:
// a whole number alone would be found in many steps that do not give it), or a decimal, whole
// number or percent itself. The working's steps never hold a mixed number, which only its
// answer does; nor does one step give a quotient with its remainder, or a verdict.
std::vector<working::Math> answerPieces(const Exercise& exercise)
{
    const Ratio* value = std::get_if<Ratio>(&exercise.exact);
    if (!value)
        return {};
    if (exercise.shape != AnswerShape::fraction)
        return {numeral(*decimalText(*value))};
    // Below 0, the calculator writes the sign apart from the fraction or in its numerator.
    return {working::fraction(whole(std::llabs(value->numerator)), whole(value->denominator)),
            working::fraction(whole(value->numerator), whole(value->denominator))};
}

bool showsAnswer(const working::Step& step, const std::vector<working::Math>& pieces)
{
    return std::any_of(step.values.begin(), step.values.end(), [&](const auto& value) {
        return std::any_of(pieces.begin(), pieces.end(),
                           [&](const working::Math& piece) { return holds(value.second, piece); });
    });
}

} // namespace

working::Step hintFor(const Exercise& exercise, const working::Entry& entry)
{
    if (!entry.steps.empty() && !showsAnswer(entry.steps.front(), answerPieces(exercise)))
        return entry.steps.front();
    return working::said(topicRow(exercise.topic).tip, {});
}

std::vector<working::Step> shortWorking(const Exercise& exercise, const working::Entry& entry)
{
    const auto pieces = answerPieces(exercise);
    const auto shows = std::find_if(entry.steps.begin(), entry.steps.end(),
                                    [&](const working::Step& step) { return showsAnswer(step, pieces); });
    const std::size_t last = shows != entry.steps.end() ? std::size_t(shows - entry.steps.begin())
                                                        : std::min<std::size_t>(entry.steps.size(), 3) - 1;
    std::vector<working::Step> steps;
    for (std::size_t i = 0; i < entry.steps.size() && i <= last; ++i)
        if (i < 2 || i == last)
            steps.push_back(entry.steps[i]);
    if (steps.empty() && entry.result)
        steps.push_back(*entry.result);
    return steps;
}

} // namespace vorantis::practice
