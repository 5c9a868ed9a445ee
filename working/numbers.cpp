// SPDX-License-Identifier: GPL-3.0-or-later
#include "working/explainers.h"

#include "core/convert.h"
#include "core/float_ops.h"
#include "core/integer_routines.h"
#include "core/quote.h"

#include <cmath>
#include <cstdint>

namespace vorantis::working {
namespace {

// Why the quotient is the whole number below: said where a sign or a decimal makes it less plain.
void explainRoundingDown(Entry& entry, const std::string& division, double dividend, double divisor,
                         const std::string& quotient)
{
    const double exact = checkedDivide(dividend, divisor);
    const bool plain =
        dividend >= 0 && divisor > 0 && std::trunc(dividend) == dividend && std::trunc(divisor) == divisor;
    if (plain || std::floor(exact) == exact)
        return;
    const std::string exactText = DoubleToText(exact);
    if (!isWhole(exactText))
        entry.add(division + " = " + exactText +
                  ", rounded down (towards minus infinity) to the whole number " + quotient +
                  ", so the remainder has the sign of the divisor");
    else if (exact < valueOf(exactText))
        entry.add("in the calculator's binary arithmetic " + division + " comes out a little below " +
                  exactText + ", so the quotient is rounded down to " + quotient);
}

} // namespace

void explainClear(Entry& entry)
{
    // Both Clears hide the minus sign last, once every field is empty.
    if (!entry.visibilityWritten(Label::Label41))
        return;
    entry.add("Cleared every field and hid the minus sign of the fraction result");
    const std::string captions =
        quoted(entry.after(Label::Label12)) + " and " + quoted(entry.after(Label::Label17));
    entry.add(entry.written(Label::Label12) ? "The square root and the prime test show " + captions + " again"
                                            : "The square root and the prime test still show " + captions);
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
    entry.about(division);
    const auto quotient = entry.written(Field::Text3);
    const auto remainder = entry.written(Field::Text4);
    if (!quotient || !remainder)
        return;
    entry.add(division + " = " + *quotient + " remainder " + *remainder);
    explainRoundingDown(entry, division, valueOf(dividend), valueOf(divisor), *quotient);
    const std::string check =
        DoubleToText(checkedAdd(checkedMultiply(valueOf(divisor), valueOf(*quotient)), valueOf(*remainder)));
    const bool matches = check == DoubleToText(valueOf(dividend));
    entry.add("check: " + divisor + " × " + operand(*quotient) + " + " + operand(*remainder) + " = " +
              (matches ? dividend
                       : check + ", not exactly " + dividend +
                       ": the quotient and the remainder show at most 15 significant digits"));
}

void explainSquareRoot(Entry& entry)
{
    const std::string root = "√" + operand(entry.before(Field::Text8));
    entry.about(root);
    if (const auto result = entry.written(Label::Label12)) {
        entry.add(root + " = " + *result);
        const double value = valueOf(*result);
        entry.add("check: " + *result + " × " + *result + " = " +
                  DoubleToText(checkedMultiply(value, value)));
    }
}

void explainPower(Entry& entry)
{
    const std::string base = entry.before(Field::Text13);
    const std::string power = operand(base) + " to the power " + entry.before(Field::Text14);
    entry.about(power);
    if (const auto result = entry.written(Field::Text15)) {
        noteRange(entry, power, *result, valueOf(base) == 0);
        entry.add(power + " = " + *result);
    }
}

void explainPrimeTest(Entry& entry)
{
    const std::string typed = entry.before(Field::Text9);
    entry.about("Prime test of " + typed);
    const std::string& verdict = entry.after(Label::Label17);
    if (!entry.written(Label::Label17) || entry.failed())
        return;
    const std::int32_t n = TextToLong(typed);
    const std::string number = LongToText(n);
    if (number != typed)
        entry.add(typed + " is the whole number " + number);
    if (verdict == "Neither") {
        entry.add(number +
                  " is neither prime nor composite: only whole numbers from 2 up are one or the other");
        entry.add(
            n == 0 ? "a prime has exactly two divisors, 1 and itself; every whole number from 1 up divides 0"
                   : "a prime has exactly two divisors, 1 and itself; 1 has only one divisor, 1");
    } else if (verdict == "Composite") {
        const std::int32_t factor = smallestFactor(n);
        entry.add(number + " is composite: " + number + " = " + LongToText(factor) + " × " +
                  DoubleToText(checkedDivide(n, factor)) + ", " + LongToText(factor) +
                  " being its smallest factor");
    } else if (verdict == "Prime" && n < 4) {
        entry.add(number + " is prime: its only divisors are 1 and " + number);
    } else if (verdict == "Prime") {
        // The trial division goes at least this far; a divisor above it would pair with one below.
        const std::int64_t root = wholeSquareRoot(n);
        const std::string next = std::to_string(root + 1);
        entry.add(number + " is prime: " +
                  (root == 2 ? "2 does not divide it"
                             : "no whole number from 2 to " + std::to_string(root) + " divides it") +
                  ", and " + next + " × " + next + " is already more than " + number);
    }
}

} // namespace vorantis::working
