#pragma once

// The reduction of n/d that "Decimal", "Percent" and "Simplify" share. The common factor is
// computed in doubles as d x n / LCM(whole d, whole n) and shown in Text5; both terms are
// then divided by the factor as Text5 shows it, read back from its text, so the fraction
// always agrees with the factor on the screen even where that factor is no whole number.

#include "core/convert.h"
#include "core/float_ops.h"
#include "panels/form.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace vorantis::reduction {

inline double value(const Form& form, Field field) { return TextToDouble(form.text(field)); }

inline std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// Whether TextToLong can read a text of this value: it rounds to the nearest whole number.
inline bool roundsToLong(double number)
{
    const double rounded = std::nearbyint(number);
    return rounded >= -2147483648.0 && rounded <= 2147483647.0;
}

// Whether LCM can form the 32-bit product of its arguments, which it does before anything
// else.
inline bool productFitsLong(std::int32_t n1, std::int32_t n2)
{
    const std::int64_t product = std::int64_t{n1} * n2;
    return product >= std::numeric_limits<std::int32_t>::min() &&
        product <= std::numeric_limits<std::int32_t>::max();
}

// Text5 <- (d x n) / multiple: the product first, so a numerator with a fraction part
// still gives the factor that divides it out.
inline void writeCommonFactor(Form& form, std::int32_t multiple)
{
    const double denominator = value(form, Field::d);
    const double numerator = value(form, Field::n);
    form.setText(Field::Text5,
                 DoubleToText(checkedDivide(checkedMultiply(denominator, numerator), multiple)));
}

// d <- d / Text5, then n <- n / Text5, each term read before the factor.
inline void divideByCommonFactor(Form& form)
{
    const double denominator = value(form, Field::d);
    form.setText(Field::d, DoubleToText(checkedDivide(denominator, value(form, Field::Text5))));
    const double numerator = value(form, Field::n);
    form.setText(Field::n, DoubleToText(checkedDivide(numerator, value(form, Field::Text5))));
}

} // namespace vorantis::reduction
