#include "panels/conversion.h"

#include "core/convert.h"
#include "core/failure.h"
#include "core/float_ops.h"
#include "core/integer_routines.h"
#include "panels/fraction_reduction.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace vorantis {
namespace {

using reduction::value;

std::int32_t whole(const Form& form, Field field) { return TextToLong(form.text(field)); }

// n / d, read afresh; a denominator of 0 is refused in words, with the failure the
// division itself would give (0 / 0 has no value, anything else / 0 divides by zero).
double fractionValue(const Form& form)
{
    const double numerator = value(form, Field::n);
    const double denominator = value(form, Field::d);
    if (denominator == 0)
        throw Failure(numerator == 0 ? FailureKind::InvalidOperation : FailureKind::DivisionByZero,
                      "the denominator is 0, so the fraction has no value");
    return checkedDivide(numerator, denominator);
}

// `typed` names what the user typed: the decimal "0.004", the percent "0.4".
Failure tooLarge(const std::string& typed)
{
    return Failure(FailureKind::OutOfRange, typed + " is too large to write as a fraction over 100");
}

// The numerator over 100 rounds to the whole number 0, which has no common factor to find.
Failure tooSmall(const std::string& typed)
{
    return Failure(FailureKind::DivisionByZero, typed + " is too small to write as a fraction over 100");
}

// n over d (which holds 100) reduced: Text5 the common factor, Text6 the least common
// multiple of the unreduced terms, then d and n divided by the factor.
void reduceOverHundred(Form& form, const std::string& typed)
{
    const std::string numeratorText = form.text(Field::n);
    const double numerator = TextToDouble(numeratorText);
    if (!reduction::roundsToLong(numerator))
        throw tooLarge(typed);
    const std::int32_t wholeNumerator = TextToLong(numeratorText);
    const std::int32_t wholeDenominator = whole(form, Field::d);

    // 0 over anything is 0/1: the whole denominator is the common factor, and the least
    // common multiple of a number and 0 is 0.
    const double denominator = value(form, Field::d);
    if (numerator == 0 && denominator != 0) {
        form.setText(Field::Text5, DoubleToText(denominator));
        form.setText(Field::Text6, LongToText(0));
        form.setText(Field::d, "1");
        form.setText(Field::n, "0");
        return;
    }
    if (wholeNumerator == 0)
        throw tooSmall(typed);
    if (!reduction::productFitsLong(wholeDenominator, wholeNumerator))
        throw tooLarge(typed);

    reduction::writeCommonFactor(form, LCM(wholeDenominator, wholeNumerator));
    // Asked again of the unchanged fields, so Text6 shows the same multiple.
    const std::int32_t numeratorAgain = whole(form, Field::n);
    form.setText(Field::Text6, LongToText(LCM(whole(form, Field::d), numeratorAgain)));
    reduction::divideByCommonFactor(form);
}

} // namespace

void fromfrac_Click(Form& form)
{
    form.setText(Field::Text1, DoubleToText(fractionValue(form)));
    // The quotient times 100, not the numerator: a percent with the decimal's rounding.
    form.setText(Field::Text2, DoubleToText(checkedMultiply(fractionValue(form), 100)));
}

void fromdec_Click(Form& form)
{
    form.setText(Field::d, IntegerToText(100));
    const double hundredfold = checkedMultiply(value(form, Field::Text1), 100);
    form.setText(Field::n, DoubleToText(hundredfold));
    const std::string typed = "the decimal " + reduction::quoted(form.text(Field::Text1));
    // An infinite numerator shows as "Infinity", which no later step could read back.
    if (std::isinf(hundredfold))
        throw tooLarge(typed);
    reduceOverHundred(form, typed);
    form.setText(Field::Text2, DoubleToText(checkedMultiply(value(form, Field::Text1), 100)));
}

void frompercent_Click(Form& form)
{
    form.setText(Field::Text1, DoubleToText(checkedDivide(value(form, Field::Text2), 100)));
    // The percent is already the numerator over 100: its text is taken as the user typed it.
    form.setText(Field::n, form.text(Field::Text2));
    form.setText(Field::d, IntegerToText(100));
    reduceOverHundred(form, "the percent " + reduction::quoted(form.text(Field::Text2)));
}

} // namespace vorantis
