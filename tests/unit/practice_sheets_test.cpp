// SPDX-License-Identifier: GPL-3.0-or-later
// Every level of every topic, for 200 seeds: forty exercises that keep to their level's row, none
// with the numbers of another, each answered by the calculator's own procedure, whose written
// result is read back exactly and must be the exercise's exact answer.

#include "core/convert.h"
#include "core/exact_fraction.h"
#include "practice/calculator.h"
#include "practice/levels.h"
#include "practice/sheet.h"
#include "tests/support/tables.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <numeric>
#include <set>

namespace vorantis::testing {
namespace {

using namespace practice;

std::int64_t whole(const Exercise& e, Field field)
{
    for (const auto& [f, text] : e.fields)
        if (f == field)
            return std::stoll(text);
    ADD_FAILURE() << "no field " << controlName(field);
    return 0;
}

Ratio valueOf(const std::string& text) { return lowestTerms(decimalRatio(text).value()); }
// An exercise's field holds the plain form, "9.869", which a language with a decimal comma writes
// "9,869".
Ratio valueOf(const Exercise& e, Field field)
{
    for (const auto& [f, text] : e.fields)
        if (f == field)
            return valueOf(respelled(text, languages().front()));
    ADD_FAILURE() << "no field " << controlName(field);
    return {0, 1};
}
Ratio over(const std::string& n, const std::string& d)
{
    return lowestTerms(*divideRatios(valueOf(n), valueOf(d)));
}
bool equal(Ratio a, Ratio b) { return a.numerator * b.denominator == b.numerator * a.denominator; }

// What the click shows as its answer, read exactly.
ExactAnswer shownAnswer(const Exercise& e, const Click& click)
{
    const FormState& s = click.after;
    const auto fraction = [&](Field n, Field d) { return over(s[n], s[d]); };
    switch (e.procedure) {
    case ProcedureId::addfrac:
    case ProcedureId::subfrac:
    case ProcedureId::multifrac:
    case ProcedureId::divfrac: {
        Ratio r = fraction(Field::Text33, Field::Text34);
        for (const Write& w : click.writes) // the minus sign shown apart
            if (w.control == Control(Label::Label41) && std::get<Visibility>(w.value) == Visibility::shown)
                r.numerator = -r.numerator;
        return r;
    }
    case ProcedureId::fromfrac:
        return valueOf(s[e.shape == AnswerShape::decimal ? Field::Text1 : Field::Text2]);
    case ProcedureId::fromdec:
        return e.shape == AnswerShape::percent ? valueOf(s[Field::Text2]) : fraction(Field::n, Field::d);
    case ProcedureId::frompercent:
        return e.shape == AnswerShape::decimal ? valueOf(s[Field::Text1]) : fraction(Field::n, Field::d);
    case ProcedureId::simp:
        return fraction(Field::n, Field::d);
    case ProcedureId::Command3:
        return QuotientAndRemainder{std::stoll(s[Field::Text3]), std::stoll(s[Field::Text4])};
    case ProcedureId::calcsquare:
        return valueOf(s[Field::Text15]);
    case ProcedureId::Label12:
        return valueOf(s[Label::Label12]);
    case ProcedureId::Label17:
        return s[Label::Label17] == tr("Prime")    ? Verdict::prime
            : s[Label::Label17] == tr("Composite") ? Verdict::composite
                                                   : Verdict::neither;
    default:
        return valueOf(s[Field::Text22]);
    }
}

bool sameAnswer(const ExactAnswer& a, const ExactAnswer& b)
{
    if (a.index() != b.index())
        return false;
    if (const auto* r = std::get_if<Ratio>(&a))
        return equal(*r, std::get<Ratio>(b));
    if (const auto* q = std::get_if<QuotientAndRemainder>(&a))
        return q->quotient == std::get<QuotientAndRemainder>(b).quotient &&
            q->remainder == std::get<QuotientAndRemainder>(b).remainder;
    return std::get<Verdict>(a) == std::get<Verdict>(b);
}

// Whether a number has its decimals' last place within a row's bounds.
bool within(Ratio value, const Decimals& bounds)
{
    std::int64_t scale = 1;
    for (int i = 0; i < bounds.places; ++i)
        scale *= 10;
    const Ratio scaled = lowestTerms({value.numerator * scale, value.denominator});
    const std::int64_t units = std::llabs(scaled.numerator);
    return scaled.denominator == 1 && units >= bounds.smallest && units <= bounds.largest &&
        (bounds.places == 0 || units % 10 != 0);
}

bool keepsTo(const FractionLevel& level, const Exercise& e)
{
    const std::int64_t n1 = whole(e, Field::Text29), d1 = whole(e, Field::Text30);
    const std::int64_t n2 = whole(e, Field::Text31), d2 = whole(e, Field::Text32);
    const auto termFits = [](Terms terms, std::int64_t n, std::int64_t d) {
        const bool proper = n > 0 && n < d;
        return std::gcd(n, d) == 1 &&
            (terms == Terms::unit           ? n == 1
                 : terms == Terms::proper   ? proper
                 : terms == Terms::improper ? n > d && n < 3 * d
                                            : n != 0 && std::llabs(n) < 3 * d);
    };
    const bool dividing = d1 % d2 == 0 || d2 % d1 == 0;
    const bool denominatorsFit = level.denominators == Denominators::same ? d1 == d2
        : level.denominators == Denominators::multiple                    ? d1 != d2 && dividing
        : level.denominators == Denominators::noCommonFactor              ? d1 != d2 && std::gcd(d1, d2) == 1
        : level.denominators == Denominators::commonFactor                ? std::gcd(d1, d2) > 1 && !dividing
                                                                          : true;
    const bool free = level.first == Terms::negativeOrImproper && level.second == Terms::negativeOrImproper;
    const auto unusual = [](std::int64_t n, std::int64_t d) { return n < 0 || n > d; };
    const Ratio answer = std::get<Ratio>(e.exact);
    const bool dividingFractions = e.procedure == ProcedureId::divfrac;
    const std::int64_t top = n1 * (dividingFractions ? d2 : n2), bottom = d1 * (dividingFractions ? n2 : d2);
    const bool answerFits = level.answers == Answers::notWhole ? answer.denominator > 1
        : level.answers == Answers::aboveZero                  ? answer.numerator > 0
        : level.answers == Answers::mixed
        ? answer.denominator > 1 && std::llabs(answer.numerator) > answer.denominator
        : level.answers == Answers::cancelling ? std::gcd(top, bottom) > 1
                                               : true;
    return d1 >= level.smallestDenominator && d1 <= level.largestDenominator &&
        d2 >= level.smallestDenominator && d2 <= level.largestDenominator && denominatorsFit &&
        termFits(level.first, n1, d1) && termFits(level.second, n2, d2) &&
        (!free || unusual(n1, d1) || unusual(n2, d2)) && answerFits;
}

bool keepsTo(const SimplifyLevel& level, const Exercise& e)
{
    const std::int64_t n = whole(e, Field::n), d = whole(e, Field::d), factor = std::gcd(n, d);
    return factor >= level.smallestFactor && factor <= level.largestFactor &&
        d / factor <= level.largestDenominator && n <= level.largestTerm && d <= level.largestTerm &&
        (n > d) == level.improper;
}

bool keepsTo(const ConversionLevel& level, const Exercise& e)
{
    const Ratio value = e.procedure == ProcedureId::fromfrac
        ? lowestTerms({whole(e, Field::n), whole(e, Field::d)})
        : e.procedure == ProcedureId::fromdec
        ? valueOf(e, Field::Text1)
        : lowestTerms(*divideRatios(valueOf(e, Field::Text2), {100, 1}));
    const std::int64_t wholePart = value.numerator / value.denominator;
    const bool hundredths = lowestTerms({value.numerator * 100, value.denominator}).denominator == 1;
    return std::find(level.denominators.begin(), level.denominators.end(), value.denominator) !=
        level.denominators.end() &&
        wholePart >= level.smallestWhole && wholePart <= level.largestWhole &&
        (e.procedure == ProcedureId::fromfrac || hundredths);
}

bool keepsTo(const DivisionLevel& level, const Exercise& e)
{
    const std::int64_t divisor = whole(e, Field::Text24), quotient = whole(e, Field::Text23) / divisor;
    return divisor >= level.smallestDivisor && divisor <= level.largestDivisor &&
        quotient >= level.smallestQuotient && quotient <= level.largestQuotient;
}

bool keepsTo(const DecimalLevel& level, const Exercise& e)
{
    const Ratio first =
        e.procedure == ProcedureId::mecdiv ? std::get<Ratio>(e.exact) : valueOf(e, Field::Text20);
    const Ratio second = valueOf(e, Field::Text21);
    const bool signsFit = level.signs == Signs::either ||
        (first.numerator > 0 && second.numerator > 0 &&
         (level.signs == Signs::aboveZero ||
          first.numerator * second.denominator > second.numerator * first.denominator));
    return within(first, level.first) && within(second, level.second) && signsFit;
}

bool keepsTo(const PowerLevel& level, const Exercise& e)
{
    const std::int64_t base = whole(e, Field::Text13), exponent = whole(e, Field::Text14);
    return base >= level.smallestBase && base <= level.largestBase && exponent >= level.smallestExponent &&
        exponent <= level.largestExponent;
}

bool keepsTo(const RootLevel& level, const Exercise& e)
{
    return within(std::get<Ratio>(e.exact), level.roots);
}

bool keepsTo(const PrimeLevel& level, const Exercise& e)
{
    const std::int64_t n = whole(e, Field::Text9);
    bool smallFactor = false;
    for (std::int64_t p = 2; p < level.noFactorBelow; ++p)
        smallFactor = smallFactor || (n >= 2 && n % p == 0);
    return n >= level.smallest && n <= level.largest && !smallFactor;
}

std::string identity(const Exercise& e)
{
    std::string text =
        std::to_string(static_cast<int>(e.procedure)) + ":" + std::to_string(static_cast<int>(e.shape));
    for (const auto& [field, typed] : e.fields)
        text += " " + std::string(controlName(field)) + "=" + typed;
    return text;
}

// Two blocks of forty for a pupil who practises on, each without a repeat.
void checkSheets(Topic topic, std::uint32_t seeds, int count)
{
    for (int level = 1; level <= levelCount(topic); ++level)
        for (std::uint32_t seed = 1; seed <= seeds; ++seed) {
            const SheetCode code{topic, level, seed};
            SCOPED_TRACE(codeText(code));
            Sheet sheet(code);
            std::set<std::string> seen;
            for (int i = 0; i < count; ++i) {
                const Exercise e = sheet.next();
                ASSERT_EQ(e.index, i);
                if (i % exercisesApart == 0)
                    seen.clear();
                ASSERT_TRUE(seen.insert(identity(e)).second) << "repeated: " << identity(e);
                ASSERT_TRUE(std::visit(
                    [&](auto levels) { return keepsTo(levels[std::size_t(level - 1)], e); }, levelsOf(topic)))
                    << identity(e);
                const Click click = clickOf(e);
                ASSERT_FALSE(click.failed()) << identity(e) << ": " << click.failure->said();
                ASSERT_FALSE(click.note) << identity(e);
                ASSERT_TRUE(sameAnswer(shownAnswer(e, click), e.exact)) << identity(e);
            }
        }
}

class EveryLevel : public ::testing::TestWithParam<Topic> { };

TEST_P(EveryLevel, GivesFortyDifferentExercisesInItsBoundsThatTheCalculatorAnswers)
{
    checkSheets(GetParam(), 200, 80);
}

// Typed with a decimal comma, where "9.869" would be a thousands group.
TEST_P(EveryLevel, IsAnsweredByTheCalculatorInALanguageWithADecimalComma)
{
    const SpeakingIn german("de");
    checkSheets(GetParam(), 20, exercisesApart);
}

std::string topicName(const ::testing::TestParamInfo<Topic>& info)
{
    return std::string(topicRow(info.param).code);
}

INSTANTIATE_TEST_SUITE_P(Practice, EveryLevel,
                         ::testing::Values(Topic::fractionSums, Topic::fractionDifferences,
                                           Topic::fractionProducts, Topic::fractionQuotients,
                                           Topic::simplifying, Topic::conversions, Topic::wholeDivision,
                                           Topic::decimalSums, Topic::decimalDifferences,
                                           Topic::decimalProducts, Topic::decimalQuotients, Topic::powers,
                                           Topic::squareRoots, Topic::primes),
                         topicName);

} // namespace
} // namespace vorantis::testing
