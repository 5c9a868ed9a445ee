// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/root_power_prime.h"

#include "core/convert.h"
#include "core/failure.h"
#include "core/integer_routines.h"
#include "language/language.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace vorantis {
namespace {

Message::Words named(Field field) { return {fieldName(field)}; }

double squareRoot(double value)
{
    if (value < 0)
        throw Failure(
            FailureKind::InvalidOperation,
            Message(translatable("{field} is {number}, and only a number of 0 or more has a square root"),
                    {{"field", named(Field::Text8)}, {"number", Message::Number{value}}}));
    return std::sqrt(value);
}

// std::pow answers every pair with something (NaN, an infinity); only a real, finite power
// is a result here, and the user is told why any other pair has none.
double power(double base, double exponent)
{
    const Message::Number number{base};
    if (base < 0 && std::trunc(exponent) != exponent)
        throw Failure(
            FailureKind::InvalidOperation,
            Message(translatable(
                        "{field} is {number}, and a number below 0 has a power only for a whole exponent"),
                    {{"field", named(Field::Text13)}, {"number", number}}));
    if (base == 0 && exponent < 0)
        throw Failure(FailureKind::DivisionByZero,
                      Message(translatable("{field} is {number}, and 0 to a power below 0 would divide by 0"),
                              {{"field", named(Field::Text13)}, {"number", number}}));
    const double result = std::pow(base, exponent);
    if (std::isinf(result))
        throw Failure(
            FailureKind::OutOfRange,
            Message(translatable(
                        "{field} is {number}, and {number} to the power {exponent} is too large a number"),
                    {{"field", named(Field::Text13)},
                     {"number", number},
                     {"exponent", Message::Number{exponent}}}));
    return result;
}

} // namespace

void Label12_Click(Form& form)
{
    const double value = numberIn(form, Field::Text8);
    form.setCaption(Label::Label12, DoubleToText(squareRoot(value)));
}

void calcsquare_Click(Form& form)
{
    const std::string exponentText = form.text(Field::Text14);
    const std::string baseText = form.text(Field::Text13);
    const double exponent = TextToDouble(exponentText, fieldName(Field::Text14));
    const double base = TextToDouble(baseText, fieldName(Field::Text13));
    form.setText(Field::Text15, DoubleToText(power(base, exponent)));
}

void Label17_Click(Form& form)
{
    // Only a whole number is prime or composite: 7.5 is neither, and is not rounded to 8.
    const double value = numberIn(form, Field::Text9);
    if (value != std::trunc(value))
        throw Failure(
            FailureKind::InvalidOperation,
            Message(translatable(
                        "{field}, {text}, is no whole number, and only a whole number is prime or composite"),
                    {{"field", named(Field::Text9)}, {"text", Message::Typed{form.text(Field::Text9)}}}));
    const std::int32_t number = wholeIn(form, Field::Text9);
    const bool prime = IsPrime(number, fieldName(Field::Text9));
    if (number < 2) {
        // 0 and 1 are neither prime nor composite; the caption says so.
        form.setCaption(Label::Label17, tr("Neither"));
        return;
    }
    // The word comes from the caption just written, never from what the label showed
    // before the click. "True" and "False" are the program's own, and show for no time at all.
    form.setCaption(Label::Label17, BooleanToText(prime));
    if (form.caption(Label::Label17) == "False")
        form.setCaption(Label::Label17, tr("Composite"));
    if (form.caption(Label::Label17) == "True")
        form.setCaption(Label::Label17, tr("Prime"));
}

} // namespace vorantis
