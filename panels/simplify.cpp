// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/simplify.h"

#include "core/convert.h"
#include "panels/fraction_reduction.h"

namespace vorantis {

void simp_Click(Form& form)
{
    const std::int32_t numerator = wholeIn(form, Field::n);
    const std::int32_t denominator = wholeIn(form, Field::d);
    requireDenominator(form, Field::d);
    if (reduction::reducedZero(form, false))
        return;
    reduction::writeCommonFactor(form, LCM(numerator, denominator, fieldName(Field::n), fieldName(Field::d)));
    reduction::divideByCommonFactor(form);
    // Read again, the terms are the reduced ones.
    form.setText(Field::Text6, LongToText(reduction::multipleOfTerms(form)));
}

} // namespace vorantis
