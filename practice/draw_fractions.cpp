// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/draw.h"
#include "practice/numbers.h"

#include <cstdlib>
#include <numeric>

namespace vorantis::practice {
namespace {

struct Pair {
    Ratio first, second;
};

bool denominatorsFit(Denominators rule, std::int64_t a, std::int64_t b)
{
    const bool dividing = a % b == 0 || b % a == 0;
    switch (rule) {
    case Denominators::same:
        return a == b;
    case Denominators::multiple:
        return a != b && dividing;
    case Denominators::noCommonFactor:
        return a != b && std::gcd(a, b) == 1;
    case Denominators::commonFactor:
        return std::gcd(a, b) > 1 && !dividing;
    case Denominators::any:
        return true;
    }
    return false;
}

std::int64_t numeratorFor(Terms terms, std::int64_t denominator, SeededRandom& random)
{
    switch (terms) {
    case Terms::unit:
        return 1;
    case Terms::proper:
        return random.between(1, denominator - 1);
    case Terms::improper:
        return random.between(denominator + 1, 3 * denominator - 1);
    case Terms::negativeOrImproper:
        return random.between(1 - 3 * denominator, 3 * denominator - 1);
    }
    return 0;
}

bool unusual(Ratio term) { return term.numerator < 0 || term.numerator > term.denominator; }

// Each term in lowest terms, as a question gives it, and no whole number.
bool termsFit(const FractionLevel& level, const Pair& pair)
{
    for (const Ratio term : {pair.first, pair.second})
        if (term.numerator == 0 || std::gcd(term.numerator, term.denominator) != 1)
            return false;
    const bool bothFree =
        level.first == Terms::negativeOrImproper && level.second == Terms::negativeOrImproper;
    return !bothFree || unusual(pair.first) || unusual(pair.second);
}

Ratio exactOf(Topic topic, const Pair& pair)
{
    switch (topic) {
    case Topic::fractionSums:
        return *addRatios(pair.first, pair.second);
    case Topic::fractionDifferences:
        return *subtractRatios(pair.first, pair.second);
    case Topic::fractionProducts:
        return *multiplyRatios(pair.first, pair.second);
    default:
        return *divideRatios(pair.first, pair.second);
    }
}

bool answerFits(Answers rule, Ratio unreduced)
{
    const Ratio answer = lowestTerms(unreduced);
    switch (rule) {
    case Answers::any:
        return true;
    case Answers::notWhole:
        return answer.denominator > 1;
    case Answers::aboveZero:
        return answer.numerator > 0;
    case Answers::mixed:
        return answer.denominator > 1 && std::llabs(answer.numerator) > answer.denominator;
    case Answers::cancelling:
        return std::gcd(unreduced.numerator, unreduced.denominator) > 1;
    }
    return false;
}

ProcedureId procedureOf(Topic topic)
{
    switch (topic) {
    case Topic::fractionSums:
        return ProcedureId::addfrac;
    case Topic::fractionDifferences:
        return ProcedureId::subfrac;
    case Topic::fractionProducts:
        return ProcedureId::multifrac;
    default:
        return ProcedureId::divfrac;
    }
}

std::string_view signOf(Topic topic)
{
    switch (topic) {
    case Topic::fractionSums:
        return "+";
    case Topic::fractionDifferences:
        return "−";
    case Topic::fractionProducts:
        return "×";
    default:
        return "÷";
    }
}

} // namespace

Drawn draw(Topic topic, const FractionLevel& level, SeededRandom& random)
{
    const Pair pair = drawUntil(
        [&] {
            const auto [a, b] = drawUntil(
                [&] {
                    const std::int64_t first =
                        random.between(level.smallestDenominator, level.largestDenominator);
                    return std::pair{first,
                                     random.between(level.smallestDenominator, level.largestDenominator)};
                },
                [&](const auto& d) { return denominatorsFit(level.denominators, d.first, d.second); });
            const std::int64_t n1 = numeratorFor(level.first, a, random);
            return Pair{{n1, a}, {numeratorFor(level.second, b, random), b}};
        },
        [&](const Pair& pair) {
            return termsFit(level, pair) && answerFits(level.answers, exactOf(topic, pair));
        });
    return {working::row({usualFraction(pair.first, false), working::sign(signOf(topic)),
                          working::bracketed(usualFraction(pair.second, false))}),
            AnswerShape::fraction,
            lowestTerms(exactOf(topic, pair)),
            procedureOf(topic),
            {{Field::Text29, std::to_string(pair.first.numerator)},
             {Field::Text30, std::to_string(pair.first.denominator)},
             {Field::Text31, std::to_string(pair.second.numerator)},
             {Field::Text32, std::to_string(pair.second.denominator)}}};
}

Drawn draw(Topic, const SimplifyLevel& level, SeededRandom& random)
{
    struct Simplified {
        Ratio answer;
        std::int64_t factor;
    };
    const Simplified drawn = drawUntil(
        [&] {
            const std::int64_t denominator = random.between(2, level.largestDenominator);
            const std::int64_t numerator = level.improper
                ? random.between(denominator + 1, 4 * denominator - 1)
                : random.between(1, denominator - 1);
            return Simplified{{numerator, denominator},
                              random.between(level.smallestFactor, level.largestFactor)};
        },
        [&](const Simplified& s) {
            return std::gcd(s.answer.numerator, s.answer.denominator) == 1 &&
                s.factor * s.answer.numerator <= level.largestTerm &&
                s.factor * s.answer.denominator <= level.largestTerm;
        });
    const std::int64_t n = drawn.factor * drawn.answer.numerator, d = drawn.factor * drawn.answer.denominator;
    return {working::fraction(whole(n), whole(d)),
            AnswerShape::fraction,
            drawn.answer,
            ProcedureId::simp,
            {{Field::n, std::to_string(n)}, {Field::d, std::to_string(d)}}};
}

} // namespace vorantis::practice
