// SPDX-License-Identifier: GPL-3.0-or-later
#include "working/explainers.h"

#include "core/convert.h"
#include "core/factors.h"
#include "core/float_ops.h"
#include "core/integer_routines.h"
#include "core/quote.h"
#include "language/language.h"
#include "working/classroom.h"

#include <cmath>
#include <cstdint>

namespace vorantis::working {
namespace {

// Why the quotient is the whole number below: said where a sign or a decimal makes it less plain.
bool explainRoundingDown(Entry& entry, const std::string& division, double dividend, double divisor,
                         const std::string& quotient)
{
    const double exact = checkedDivide(dividend, divisor);
    const bool plain =
        dividend >= 0 && divisor > 0 && std::trunc(dividend) == dividend && std::trunc(divisor) == divisor;
    if (plain || std::floor(exact) == exact)
        return false;
    const std::string exactText = DoubleToText(exact);
    const std::initializer_list<std::pair<std::string_view, std::string>> values{
        {"division", division}, {"exact", exactText}, {"quotient", quotient}};
    if (!isWhole(exactText))
        entry.add(sentence("{division} = {exact}, rounded down (towards minus infinity) to the whole number "
                           "{quotient}, so the remainder has the sign of the divisor",
                           values));
    else if (exact < valueOf(exactText))
        entry.add(
            sentence("in the calculator's binary arithmetic {division} comes out a little below {exact}, "
                     "so the quotient is rounded down to {quotient}",
                     values));
    else
        return false;
    return true;
}

} // namespace

void explainClear(Entry& entry)
{
    // Both Clears hide the minus sign last, once every field is empty.
    if (!entry.visibilityWritten(Label::Label41))
        return;
    entry.add(sentence("Cleared every field and hid the minus sign of the fraction result", {}));
    const std::initializer_list<std::pair<std::string_view, std::string>> captions{
        {"root", quoted(entry.after(Label::Label12))}, {"prime", quoted(entry.after(Label::Label17))}};
    entry.add(entry.written(Label::Label12)
                  ? sentence("The square root and the prime test show {root} and {prime} again", captions)
                  : sentence("The square root and the prime test still show {root} and {prime}", captions));
}

void explainDecimal(Entry& entry)
{
    const std::string left = entry.before(Field::Text20);
    const std::string right = entry.before(Field::Text21);
    const std::string operation =
        left + " " + symbolFor(entry.written(Label::Label36).value_or("?")) + " " + operand(right);
    entry.about(operation);
    const auto result = entry.written(Field::Text22);
    if (!result)
        return;
    // A sum or difference of two numbers is 0 only where it is exactly 0.
    const std::string_view sign = entry.after(Label::Label36);
    const bool exactIsZero =
        (sign != "*" && sign != "/") || valueOf(left) == 0 || (sign == "*" && valueOf(right) == 0);
    noteRange(entry, operation, *result, exactIsZero);
    entry.add(operation + " = " + *result);
}

void explainIntegerDivision(Entry& entry)
{
    const std::string dividend = entry.before(Field::Text23);
    const std::string divisor = entry.before(Field::Text24);
    const std::string division = dividend + " ÷ " + operand(divisor);
    const auto remainder = entry.written(Field::Text4);
    entry.about(division);
    // Every failure comes before the quotient is written, and the remainder right after it.
    if (!remainder)
        return;
    const std::string quotient = entry.after(Field::Text3);
    const double d = valueOf(dividend), v = valueOf(divisor), q = valueOf(quotient);
    const double lower = checkedMultiply(v, q), upper = checkedMultiply(v, checkedAdd(q, 1));
    const std::string lowerText = DoubleToText(lower), upperText = DoubleToText(upper);
    // The quotient as on paper: the divisor's multiples on either side of the dividend, said only
    // where both show exactly, they lie either side and the remainder is what is left.
    const auto exactly = [](double value, const std::string& text) {
        return std::isfinite(value) && valueOf(text) == value;
    };
    const bool between = v > 0 ? lower <= d && d < upper : lower >= d && d > upper;
    const bool shows = exactly(lower, lowerText) && exactly(upper, upperText) && between &&
        DoubleToText(checkedSubtract(d, lower)) == *remainder;
    const std::string result =
        sentence("{division} = {quotient} remainder {remainder}",
                 {{"division", division}, {"quotient", quotient}, {"remainder", *remainder}});
    if (!shows) {
        entry.add(result);
        explainRoundingDown(entry, division, d, v, quotient);
    } else {
        // Past 0 the rounding towards minus infinity needs saying first; above 0 the two multiples
        // say it all.
        const bool rounded = !(d >= 0 && v > 0) && explainRoundingDown(entry, division, d, v, quotient);
        entry.about(division, !rounded);
        const std::initializer_list<std::pair<std::string_view, std::string>> values{
            {"divisor", operand(divisor)}, {"factor", operand(quotient)},
            {"quotient", quotient},        {"next", operand(DoubleToText(checkedAdd(q, 1)))},
            {"lower", lowerText},          {"upper", upperText},
            {"dividend", dividend},        {"subtracted", operand(lowerText)},
            {"remainder", *remainder},     {"result", result}};
        entry.add(
            v > 0 ? sentence("{divisor} × {factor} = {lower} ≤ {dividend} < {upper} = {divisor} × {next}, "
                             "so the quotient is {quotient}",
                             values)
                  : sentence("{divisor} × {factor} = {lower} ≥ {dividend} > {upper} = {divisor} × {next}, "
                             "so the quotient is {quotient}",
                             values));
        entry.add(sentence("{dividend} − {subtracted} = {remainder}, so {result}", values));
    }
    const std::string check = DoubleToText(checkedAdd(checkedMultiply(v, q), valueOf(*remainder)));
    const bool matches = check == DoubleToText(d);
    const std::initializer_list<std::pair<std::string_view, std::string>> terms{
        {"divisor", divisor},
        {"quotient", operand(quotient)},
        {"remainder", operand(*remainder)},
        {"check", check},
        {"dividend", dividend}};
    entry.add(matches
                  ? sentence("check: {divisor} × {quotient} + {remainder} = {dividend}", terms)
                  : sentence("check: {divisor} × {quotient} + {remainder} = {check}, not exactly {dividend}: "
                             "the quotient and the remainder show at most 15 significant digits",
                             terms));
}

void explainSquareRoot(Entry& entry)
{
    const std::string root = "√" + operand(entry.before(Field::Text8));
    entry.about(root);
    if (const auto result = entry.written(Label::Label12)) {
        entry.add(root + " = " + *result);
        const double value = valueOf(*result);
        entry.add(sentence("check: {root} × {root} = {square}",
                           {{"root", *result}, {"square", DoubleToText(checkedMultiply(value, value))}}));
    }
}

void explainPower(Entry& entry)
{
    const std::string base = entry.before(Field::Text13);
    const std::string power = sentence("{base} to the power {exponent}",
                                       {{"base", operand(base)}, {"exponent", entry.before(Field::Text14)}});
    entry.about(power);
    if (const auto result = entry.written(Field::Text15)) {
        noteRange(entry, power, *result, valueOf(base) == 0);
        entry.add(power + " = " + *result);
    }
}

void explainPrimeTest(Entry& entry)
{
    const std::string typed = entry.before(Field::Text9);
    entry.about(sentence("Prime test of {n}", {{"n", typed}}));
    const std::string& verdict = entry.after(Label::Label17);
    if (!entry.written(Label::Label17) || entry.failed())
        return;
    const std::int32_t n = TextToLong(typed);
    const std::string number = LongToText(n);
    if (number != typed)
        entry.add(sentence("{typed} is the whole number {n}", {{"typed", typed}, {"n", number}}));
    if (verdict == tr("Neither")) {
        entry.add(
            sentence("{n} is neither prime nor composite: only whole numbers from 2 up are one or the other",
                     {{"n", number}}));
        entry.add(
            n == 0
                ? sentence("a prime has exactly two divisors, 1 and itself; every whole number from 1 up "
                           "divides 0",
                           {})
                : sentence("a prime has exactly two divisors, 1 and itself; 1 has only one divisor, 1", {}));
        return;
    }
    const PrimeTrial trial = primesTried(n);
    if (trial.tried.empty()) {
        entry.add(sentence("{n} is prime: its only divisors are 1 and {n}", {{"n", number}}));
        return;
    }
    // The primes that do not divide it: all those tried, or all but the last for a composite. A
    // short list reads as a pupil tries them; a long one by its count and where it ends.
    const bool composite = verdict == tr("Composite");
    const std::size_t count = trial.tried.size() - composite;
    const bool listable = count <= 8;
    std::vector<std::string> passed;
    for (std::size_t i = 0; listable && i < count; ++i)
        passed.push_back(LongToText(trial.tried[i]));
    const std::initializer_list<std::pair<std::string_view, std::string>> values{
        {"n", number},
        {"primes", listed(passed, tr("or"))},
        {"count", std::to_string(count)},
        {"last", count == 0 ? "" : LongToText(trial.tried[count - 1])},
        {"next", LongToText(trial.next)},
        {"square", DoubleToText(checkedMultiply(trial.next, trial.next))},
        {"factor", LongToText(trial.tried.back())},
        {"other", DoubleToText(checkedDivide(n, trial.tried.back()))}};
    if (composite && count == 0)
        entry.add(sentence("{n} is composite: {n} = {factor} × {other}", values));
    else if (composite && listable)
        entry.add(sentence("{n} is composite: it is not divisible by {primes}, but {n} = {factor} × {other}",
                           values));
    else if (composite)
        entry.add(sentencePlural("{n} is composite: {count} prime from 2 to {last} does not divide it, "
                                 "but {n} = {factor} × {other}",
                                 "{n} is composite: none of the {count} primes from 2 to {last} divides it, "
                                 "but {n} = {factor} × {other}",
                                 count, values));
    else if (verdict == tr("Prime") && listable)
        entry.add(sentence("{n} is prime: it is not divisible by {primes}, and {next} × {next} = {square} "
                           "is more than {n}",
                           values));
    else if (verdict == tr("Prime"))
        entry.add(sentencePlural("{n} is prime: {count} prime from 2 to {last} does not divide it, and "
                                 "{next} × {next} = {square} is more than {n}",
                                 "{n} is prime: none of the {count} primes from 2 to {last} divides it, and "
                                 "{next} × {next} = {square} is more than {n}",
                                 count, values));
}

} // namespace vorantis::working
