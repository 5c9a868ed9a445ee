#include "panels/simplify.h"

#include "core/convert.h"
#include "core/failure.h"
#include "core/integer_routines.h"
#include "panels/fraction_reduction.h"

#include <cstdint>
#include <string>

namespace vorantis {
namespace {

using reduction::quoted;
using reduction::value;

// The whole terms are rounded from what the user typed; refuse in words the fractions whose
// terms give LCM nothing to work with, with the failure its call or the division by its
// result would give.
void checkReducible(const Form& form, std::int32_t wholeDenominator, std::int32_t wholeNumerator)
{
    const std::string denominatorText = form.text(Field::d);
    const std::string numeratorText = form.text(Field::n);
    if (TextToDouble(denominatorText) == 0)
        // With a negative numerator LCM gives 0, and 0 / 0 has no value.
        throw Failure(wholeNumerator < 0 ? FailureKind::InvalidOperation : FailureKind::DivisionByZero,
                      "the denominator is 0, so the fraction cannot be simplified");
    if (wholeDenominator == 0)
        throw Failure(FailureKind::DivisionByZero,
                      "the denominator " + quoted(denominatorText) +
                          " is too small to simplify: it rounds to 0");
    if (wholeNumerator == 0)
        throw Failure(FailureKind::DivisionByZero,
                      "the numerator " + quoted(numeratorText) + " is too small to simplify: it rounds to 0");
    if (!reduction::productFitsLong(wholeDenominator, wholeNumerator))
        throw Failure(FailureKind::OutOfRange,
                      quoted(numeratorText + "/" + denominatorText) + " is too large to simplify");
}

// A term with a fraction part can leave a simplified term, or the product of the two, beyond
// the whole numbers that the least common multiple is found in.
void checkMultipleFits(const Form& form)
{
    const double numerator = value(form, Field::n);
    const double denominator = value(form, Field::d);
    if (!reduction::roundsToLong(numerator) || !reduction::roundsToLong(denominator) ||
        !reduction::productFitsLong(RoundToLong(denominator), RoundToLong(numerator)))
        throw Failure(FailureKind::OutOfRange,
                      "the simplified fraction " + quoted(form.text(Field::n) + "/" + form.text(Field::d)) +
                          " is too large to find the least common multiple of its terms");
}

} // namespace

void simp_Click(Form& form)
{
    // Both Variants stand for the fields themselves, so the second LCM sees the reduced terms.
    const Variant numeratorField = fieldVariant(form, Field::n);
    const Variant denominatorField = fieldVariant(form, Field::d);

    const std::int32_t wholeNumerator = VariantToLong(numeratorField);
    const std::int32_t wholeDenominator = VariantToLong(denominatorField);

    // 0 over anything is 0/1: the whole denominator is the common factor, and the least
    // common multiple of 1 and 0 is 0.
    const double denominator = value(form, Field::d);
    if (value(form, Field::n) == 0 && denominator != 0) {
        form.setText(Field::Text5, DoubleToText(denominator));
        form.setText(Field::d, "1");
        form.setText(Field::n, "0");
        form.setText(Field::Text6, LongToText(0));
        return;
    }
    checkReducible(form, wholeDenominator, wholeNumerator);

    reduction::writeCommonFactor(form, LCM(wholeDenominator, wholeNumerator));
    reduction::divideByCommonFactor(form);

    checkMultipleFits(form);
    const std::int32_t reducedNumerator = VariantToLong(numeratorField);
    const std::int32_t reducedDenominator = VariantToLong(denominatorField);
    form.setText(Field::Text6, LongToText(LCM(reducedDenominator, reducedNumerator)));
}

} // namespace vorantis
