#include "panels/root_power_prime.h"

#include "core/convert.h"
#include "core/failure.h"
#include "core/integer_routines.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace vorantis {
namespace {

double squareRoot(double value)
{
    if (value < 0)
        throw Failure(FailureKind::InvalidOperation,
                      DoubleToText(value) + " is negative: a square root needs a number of 0 or more");
    return std::sqrt(value);
}

// std::pow answers every pair with something (NaN, an infinity); only a real, finite power
// is a result here, and the user is told why any other pair has none.
double power(double base, double exponent)
{
    const std::string what = DoubleToText(base) + " to the power " + DoubleToText(exponent);
    if (base < 0 && std::trunc(exponent) != exponent)
        throw Failure(FailureKind::InvalidOperation,
                      what +
                          " has no value: a negative number can only be raised to a "
                          "whole-number power");
    if (base == 0 && exponent < 0)
        throw Failure(FailureKind::DivisionByZero,
                      what + " has no value: 0 to a negative power would divide by zero");
    const double result = std::pow(base, exponent);
    if (std::isinf(result))
        throw Failure(FailureKind::OutOfRange, what + " is too large a number");
    return result;
}

} // namespace

void Label12_Click(Form& form)
{
    const double value = TextToDouble(form.text(Field::Text8));
    form.setCaption(Label::Label12, DoubleToText(squareRoot(value)));
}

void calcsquare_Click(Form& form)
{
    const std::string exponentText = form.text(Field::Text14);
    const std::string baseText = form.text(Field::Text13);
    const double exponent = TextToDouble(exponentText);
    const double base = TextToDouble(baseText);
    form.setText(Field::Text15, DoubleToText(power(base, exponent)));
}

void Label17_Click(Form& form)
{
    const std::int32_t number = TextToLong(form.text(Field::Text9));
    const bool prime = IsPrime(number);
    if (number < 2) {
        // 0 and 1 are neither prime nor composite; the caption says so.
        form.setCaption(Label::Label17, "Neither");
        return;
    }
    // The word comes from the caption just written, never from what the label showed
    // before the click.
    form.setCaption(Label::Label17, BooleanToText(prime));
    if (form.caption(Label::Label17) == "False")
        form.setCaption(Label::Label17, "Composite");
    if (form.caption(Label::Label17) == "True")
        form.setCaption(Label::Label17, "Prime");
}

} // namespace vorantis
