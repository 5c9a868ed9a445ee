// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/draw.h"
#include "practice/numbers.h"

namespace vorantis::practice {
namespace {

std::int64_t smallestFactorOf(std::int64_t number)
{
    for (std::int64_t divisor = 2; divisor * divisor <= number; ++divisor)
        if (number % divisor == 0)
            return divisor;
    return number;
}

Verdict verdictOn(std::int64_t number)
{
    if (number < 2)
        return Verdict::neither;
    return smallestFactorOf(number) == number ? Verdict::prime : Verdict::composite;
}

} // namespace

Drawn draw(Topic, const DivisionLevel& level, SeededRandom& random)
{
    const std::int64_t divisor = random.between(level.smallestDivisor, level.largestDivisor);
    const std::int64_t quotient = random.between(level.smallestQuotient, level.largestQuotient);
    const std::int64_t remainder = random.below(static_cast<std::uint64_t>(divisor));
    const std::int64_t dividend = divisor * quotient + remainder;
    return {working::row({whole(dividend), working::sign("÷"), whole(divisor)}),
            AnswerShape::quotientAndRemainder,
            QuotientAndRemainder{quotient, remainder},
            ProcedureId::Command3,
            {{Field::Text23, std::to_string(dividend)}, {Field::Text24, std::to_string(divisor)}}};
}

Drawn draw(Topic, const PowerLevel& level, SeededRandom& random)
{
    const std::int64_t base = random.between(level.smallestBase, level.largestBase);
    const std::int64_t exponent = random.between(level.smallestExponent, level.largestExponent);
    std::int64_t value = 1;
    for (std::int64_t i = 0; i < exponent; ++i)
        value *= base;
    return {working::power(whole(base), whole(exponent)),
            AnswerShape::wholeNumber,
            Ratio{value, 1},
            ProcedureId::calcsquare,
            {{Field::Text13, std::to_string(base)}, {Field::Text14, std::to_string(exponent)}}};
}

Drawn draw(Topic, const RootLevel& level, SeededRandom& random)
{
    const std::int64_t units =
        drawUntil([&] { return random.between(level.roots.smallest, level.roots.largest); },
                  [&](std::int64_t u) { return level.roots.places == 0 || u % 10 != 0; });
    std::int64_t scale = 1;
    for (int i = 0; i < level.roots.places; ++i)
        scale *= 10;
    const Ratio root{units, scale};
    const std::string square = *decimalText(*multiplyRatios(root, root));
    return {working::root(numeral(square)),
            level.roots.places == 0 ? AnswerShape::wholeNumber : AnswerShape::decimal,
            lowestTerms(root),
            ProcedureId::Label12,
            {{Field::Text8, square}}};
}

Drawn draw(Topic, const PrimeLevel& level, SeededRandom& random)
{
    const std::int64_t number =
        drawUntil([&] { return random.between(level.smallest, level.largest); },
                  [&](std::int64_t n) { return n < 2 || smallestFactorOf(n) >= level.noFactorBelow; });
    return {whole(number),
            AnswerShape::verdict,
            verdictOn(number),
            ProcedureId::Label17,
            {{Field::Text9, std::to_string(number)}}};
}

} // namespace vorantis::practice
