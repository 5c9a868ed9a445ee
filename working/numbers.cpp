// SPDX-License-Identifier: GPL-3.0-or-later
#include "working/explainers.h"

#include "core/convert.h"
#include "core/factors.h"
#include "core/float_ops.h"
#include "core/integer_routines.h"
#include "language/language.h"

#include <cmath>
#include <cstdint>

namespace vorantis::working {
namespace {

Math times(const Math& left, const Math& right) { return row({left, sign("×"), bracketed(right)}); }

// The answer of a division with remainder, "17 ÷ 5 = 3 remainder 2".
Math withRemainder(const Math& division, const std::string& quotient, const std::string& remainder)
{
    return row({division, sign("="), term(quotient), words(translatable("remainder")), term(remainder)});
}

// Why the quotient is the whole number below: said where a sign or a decimal makes it less plain.
void addRoundingDown(Entry& entry, const Math& division, double dividend, double divisor,
                     const std::string& quotient)
{
    const double exact = checkedDivide(dividend, divisor);
    const bool plain =
        dividend >= 0 && divisor > 0 && std::trunc(dividend) == dividend && std::trunc(divisor) == divisor;
    if (plain || std::floor(exact) == exact)
        return;
    const std::string exactText = textOf(exact);
    const std::initializer_list<std::pair<std::string_view, Math>> values{
        {"division", relation(division, "=", term(exactText))},
        {"exact", term(exactText)},
        {"quotient", term(quotient)}};
    if (!isWhole(exactText))
        entry.steps.push_back(
            said(translatable("{division}, rounded down to {quotient}: the quotient is rounded "
                              "towards minus infinity, so the remainder has the divisor's sign"),
                 values));
    else if (exact < valueOf(exactText))
        entry.steps.push_back(
            said(translatable("in the calculator's binary arithmetic the quotient comes out a "
                              "little below {exact}, so it is rounded down to {quotient}"),
                 values));
}

} // namespace

void addRangeNote(Entry& entry, const Math& operation, const std::string& result, bool exactIsZero)
{
    if (isInfinityText(result) && result.starts_with('-'))
        entry.steps.push_back(
            said(translatable("{operation} is below the lowest number the calculator holds"),
                 {{"operation", operation}}));
    else if (isInfinityText(result))
        entry.steps.push_back(
            said(translatable("{operation} is beyond the largest number the calculator holds"),
                 {{"operation", operation}}));
    else if (result == "0" && !exactIsZero)
        entry.steps.push_back(said(translatable("{operation} is closer to 0 than the smallest number the "
                                                "calculator holds"),
                                   {{"operation", operation}}));
}

void explainClear(const Seen& seen, Entry& entry)
{
    entry.heading = said(translatable("Clear every field"), {});
    // Both Clears hide the minus sign last, once every field is empty.
    if (!seen.visibilityWritten(Label::Label41))
        return;
    const std::initializer_list<std::pair<std::string_view, Math>> captions{
        {"root", typed(seen.after(Label::Label12))}, {"prime", typed(seen.after(Label::Label17))}};
    entry.result = seen.written(Label::Label12)
        ? said(
              translatable("every field is empty; the square root and the prime test show {root} and {prime} "
                           "again"),
              captions)
        : said(translatable("every field is empty; the square root and the prime test still show {root} and "
                            "{prime}"),
               captions);
}

void explainDecimal(const Seen& seen, Entry& entry)
{
    const std::string left = seen.before(Field::Text20), right = seen.before(Field::Text21);
    const Math operation =
        row({term(left), operationSign(seen.written(Label::Label36).value_or("?")), bracketed(term(right))});
    entry.heading = shown(operation);
    const auto result = seen.written(Field::Text22);
    if (!result)
        return;
    // A sum or difference of two numbers is 0 only where it is exactly 0.
    const ProcedureId id = seen.procedure();
    const bool exactIsZero = (id != ProcedureId::decmulti && id != ProcedureId::mecdiv) ||
        valueOf(left) == 0 || (id == ProcedureId::decmulti && valueOf(right) == 0);
    addRangeNote(entry, operation, *result, exactIsZero);
    entry.result = shown(relation(operation, "=", term(*result)));
}

void explainIntegerDivision(const Seen& seen, Entry& entry)
{
    const std::string dividend = seen.before(Field::Text23), divisor = seen.before(Field::Text24);
    const Math division = row({term(dividend), sign("÷"), bracketed(term(divisor))});
    entry.heading = shown(division);
    // Every failure comes before the quotient is written, and the remainder right after it.
    const auto remainder = seen.written(Field::Text4);
    if (!remainder)
        return;
    const std::string quotient = seen.after(Field::Text3);
    const double d = valueOf(dividend), v = valueOf(divisor), q = valueOf(quotient);
    const double lower = checkedMultiply(v, q), upper = checkedMultiply(v, checkedAdd(q, 1));
    const std::string lowerText = textOf(lower), upperText = textOf(upper);
    // The quotient as on paper: the divisor's multiples on either side of the dividend, said only
    // where both show exactly, they lie either side and the remainder is what is left.
    const auto exactly = [](double value, const std::string& text) {
        return std::isfinite(value) && valueOf(text) == value;
    };
    const bool between = v > 0 ? lower <= d && d < upper : lower >= d && d > upper;
    const bool shows = exactly(lower, lowerText) && exactly(upper, upperText) && between &&
        textOf(checkedSubtract(d, lower)) == *remainder;
    addRoundingDown(entry, division, d, v, quotient);
    if (shows) {
        const Math below = relation(times(term(divisor), term(quotient)), "=", term(lowerText));
        const Math above =
            relation(term(upperText), "=", times(term(divisor), term(textOf(checkedAdd(q, 1)))));
        const std::initializer_list<std::pair<std::string_view, Math>> between{
            {"between",
             row({below, sign(v > 0 ? "≤" : "≥"), term(dividend), sign(v > 0 ? "<" : ">"), above})},
            {"quotient", term(quotient)}};
        entry.steps.push_back(said(translatable("{between}, so the quotient is {quotient}"), between));
        entry.steps.push_back(said(translatable("the remainder is {remainder}"),
                                   {{"remainder",
                                     relation(row({term(dividend), sign("−"), bracketed(term(lowerText))}),
                                              "=", term(*remainder))}}));
    }
    entry.result = shown(withRemainder(division, quotient, *remainder));
    const std::string check = textOf(checkedAdd(checkedMultiply(v, q), valueOf(*remainder)));
    const Math sum = row({times(term(divisor), term(quotient)), sign("+"), bracketed(term(*remainder))});
    entry.afterword = check == textOf(d)
        ? said(translatable("check: {sum}"), {{"sum", relation(sum, "=", term(dividend))}})
        : said(translatable(
                   "check: {sum}, not exactly {dividend}: the quotient and the remainder show at most 15 "
                   "significant digits"),
               {{"sum", relation(sum, "=", term(check))}, {"dividend", term(dividend)}});
}

void explainSquareRoot(const Seen& seen, Entry& entry)
{
    const Math rooted = root(term(seen.before(Field::Text8)));
    entry.heading = shown(rooted);
    const auto result = seen.written(Label::Label12);
    if (!result)
        return;
    entry.result = shown(relation(rooted, "=", term(*result)));
    const double value = valueOf(*result);
    entry.afterword = said(
        translatable("check: {square}"),
        {{"square",
          relation(times(term(*result), term(*result)), "=", term(textOf(checkedMultiply(value, value))))}});
}

void explainPower(const Seen& seen, Entry& entry)
{
    const std::string base = seen.before(Field::Text13);
    const Math raised = power(term(base), term(seen.before(Field::Text14)));
    entry.heading = shown(raised);
    const auto result = seen.written(Field::Text15);
    if (!result)
        return;
    addRangeNote(entry, raised, *result, valueOf(base) == 0);
    entry.result = shown(relation(raised, "=", term(*result)));
}

namespace {

// 0 and 1, which the procedure calls neither: why, from what a prime is.
void explainNeitherPrimeNorComposite(std::int32_t n, const Math& number, Entry& entry)
{
    entry.steps.push_back(
        n == 0 ? said(translatable("a prime has exactly two divisors, 1 and itself; every "
                                   "whole number from 1 up divides 0"),
                      {})
               : said(translatable("a prime has exactly two divisors, 1 and itself; 1 has only "
                                   "one divisor, 1"),
                      {}));
    entry.result = said(translatable("{n} is neither prime nor composite"), {{"n", number}});
}

} // namespace

void explainPrimeTest(const Seen& seen, Entry& entry)
{
    const std::string typed = seen.before(Field::Text9);
    entry.heading = said(translatable("Is {n} prime or composite?"), {{"n", term(typed)}});
    // The procedure writes "True" or "False" before the verdict's word, and for 0 and 1 the word
    // alone: the verdict is read from those and from the number, never from a translated word.
    const auto first = seen.written(Label::Label17);
    if (!first || seen.failed())
        return;
    const std::int32_t n = TextToLong(typed);
    const Math number = term(n);
    if (textOf(n) != typed)
        entry.steps.push_back(
            said(translatable("{typed} is the whole number {n}"), {{"typed", term(typed)}, {"n", number}}));
    if (n < 2)
        return explainNeitherPrimeNorComposite(n, number, entry);
    const bool prime = *first == BooleanToText(true);
    const PrimeTrial trial = primesTried(n);
    // The primes that do not divide it: all those tried, or all but the last for a composite. A
    // short list reads as a pupil tries them; a long one by its count and where it ends.
    const std::size_t passed = trial.tried.size() - (prime ? 0 : 1);
    std::vector<Math> primes;
    for (std::size_t i = 0; i < passed && passed <= 8; ++i)
        primes.push_back(term(trial.tried[i]));
    const std::initializer_list<std::pair<std::string_view, Math>> values{
        {"n", number},
        {"count", term(std::int64_t(passed))},
        {"primes", list(std::move(primes))},
        {"last", term(passed == 0 ? 0 : trial.tried[passed - 1])}};
    if (passed > 0 && passed <= 8)
        entry.steps.push_back(counted("{n} is not divisible by {primes}",
                                      "{n} is not divisible by any of {primes}", passed, values));
    else if (passed > 8)
        entry.steps.push_back(counted("{n} is not divisible by the {count} prime from 2 to {last}",
                                      "{n} is not divisible by any of the {count} primes from 2 to {last}",
                                      passed, values));
    if (prime) {
        if (trial.tried.empty())
            entry.steps.push_back(said(translatable("its only divisors are 1 and {n}"), {{"n", number}}));
        else
            entry.steps.push_back(
                said(translatable("{square}, so no larger prime need be tried"),
                     {{"square",
                       row({times(term(trial.next), term(trial.next)), sign("="),
                            term(textOf(checkedMultiply(trial.next, trial.next))), sign(">"), number})}}));
        entry.result = said(translatable("{n} is prime"), {{"n", number}});
        return;
    }
    entry.steps.push_back(shown(relation(
        number, "=", times(term(trial.tried.back()), term(textOf(checkedDivide(n, trial.tried.back())))))));
    entry.result = said(translatable("{n} is composite"), {{"n", number}});
}

} // namespace vorantis::working
