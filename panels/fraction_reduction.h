// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The reduction of n/d that "Decimal", "Percent" and "Simplify" share. The common factor is
// computed in doubles as d x n / LCM(whole d, whole n) and shown in Text5; both terms are then
// divided by the factor as Text5 shows it, read back from its text, so the fraction always
// agrees with the factor on the screen even where that factor is no whole number.

#include "core/convert.h"
#include "core/float_ops.h"
#include "core/integer_routines.h"
#include "language/language.h"
#include "panels/form.h"

#include <cstdint>

namespace vorantis::reduction {

// LCM(whole d, whole n), the numerator read first. The routine's answer is the same either way
// round; given the numerator first, a failure names it first, as a pupil reads a fraction.
inline std::int32_t multipleOfTerms(const Form& form)
{
    const std::int32_t numerator = wholeIn(form, Field::n);
    return LCM(numerator, wholeIn(form, Field::d), fieldName(Field::n), fieldName(Field::d));
}

// 0 over anything else is 0/1, with the whole denominator as the common factor; LCM, which
// fails on a 0, is not asked. Writes what the reduction writes, with Text6 (the
// multiple of a number and 0 is 0) where `multipleFirst` puts it: before d and n, or after.
inline bool reducedZero(Form& form, bool multipleFirst)
{
    const double denominator = numberIn(form, Field::d);
    if (numberIn(form, Field::n) != 0 || denominator == 0)
        return false;
    form.setText(Field::Text5, DoubleToText(denominator));
    if (multipleFirst)
        form.setText(Field::Text6, LongToText(0));
    form.setText(Field::d, "1");
    form.setText(Field::n, "0");
    if (!multipleFirst)
        form.setText(Field::Text6, LongToText(0));
    return true;
}

// Text5 <- (d x n) / multiple: the product first, so a numerator with a fraction part still
// gives the factor that divides it out.
inline void writeCommonFactor(Form& form, std::int32_t multiple)
{
    const double denominator = numberIn(form, Field::d);
    const double numerator = numberIn(form, Field::n);
    form.setText(Field::Text5,
                 DoubleToText(checkedDivide(checkedMultiply(denominator, numerator), multiple,
                                            translatable("the least common multiple of the terms"))));
}

// d <- d / Text5, then n <- n / Text5, each term read before the factor.
inline void divideByCommonFactor(Form& form)
{
    const double denominator = numberIn(form, Field::d);
    form.setText(Field::d, DoubleToText(checkedDivide(denominator, numberIn(form, Field::Text5))));
    const double numerator = numberIn(form, Field::n);
    form.setText(Field::n, DoubleToText(checkedDivide(numerator, numberIn(form, Field::Text5))));
}

} // namespace vorantis::reduction
