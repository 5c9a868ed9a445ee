// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/conversion.h"

#include "core/convert.h"
#include "core/float_ops.h"
#include "panels/fraction_reduction.h"

namespace vorantis {
namespace {

// n over d (which holds 100) reduced: Text5 the common factor, Text6 the least common
// multiple of the unreduced terms, then d and n divided by the factor.
void reduceOverHundred(Form& form)
{
    if (reduction::reducedZero(form, true))
        return;
    reduction::writeCommonFactor(form, reduction::multipleOfTerms(form));
    // Asked again of the unchanged fields, so Text6 shows the same multiple.
    form.setText(Field::Text6, LongToText(reduction::multipleOfTerms(form)));
    reduction::divideByCommonFactor(form);
}

} // namespace

void fromfrac_Click(Form& form)
{
    form.setText(Field::Text1, DoubleToText(fractionIn(form, Field::n, Field::d)));
    // The quotient times 100, not the numerator: a percent with the decimal's rounding.
    form.setText(Field::Text2, DoubleToText(checkedMultiply(fractionIn(form, Field::n, Field::d), 100)));
}

void fromdec_Click(Form& form)
{
    form.setText(Field::d, IntegerToText(100));
    form.setText(Field::n, DoubleToText(checkedMultiply(numberIn(form, Field::Text1), 100)));
    reduceOverHundred(form);
    form.setText(Field::Text2, DoubleToText(checkedMultiply(numberIn(form, Field::Text1), 100)));
}

void frompercent_Click(Form& form)
{
    form.setText(Field::Text1, DoubleToText(checkedDivide(numberIn(form, Field::Text2), 100)));
    // The percent is already the numerator over 100: its text is taken as the user typed it.
    form.setText(Field::n, form.text(Field::Text2));
    form.setText(Field::d, IntegerToText(100));
    reduceOverHundred(form);
}

} // namespace vorantis
