// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/float_ops.h"

#include "core/convert.h"
#include "core/failure.h"
#include "language/language.h"

#include <cmath>
#include <string>

namespace vorantis {
namespace {

double checkedResult(double result, double left, const char* operation, double right)
{
    if (std::isnan(result))
        throw Failure(
            FailureKind::InvalidOperation,
            fill(tr("{operation} has no value"),
                 {{"operation", DoubleToText(left) + " " + operation + " " + DoubleToText(right)}}));
    return result;
}

} // namespace

double checkedAdd(double left, double right) { return checkedResult(left + right, left, "+", right); }

double checkedSubtract(double left, double right) { return checkedResult(left - right, left, "−", right); }

double checkedMultiply(double left, double right) { return checkedResult(left * right, left, "×", right); }

Failure divisionByZero(double left, std::string_view divisorName)
{
    const std::string_view divisor = divisorName.empty() ? tr("the divisor") : divisorName;
    if (left == 0)
        return Failure(FailureKind::InvalidOperation,
                       fill(tr("{field} is 0, and 0 ÷ 0 has no value"), {{"field", divisor}}));
    return Failure(FailureKind::DivisionByZero,
                   fill(tr("{field} is 0, and no number can be divided by 0"), {{"field", divisor}}));
}

double checkedDivide(double left, double right, std::string_view divisorName)
{
    if (right == 0)
        throw divisionByZero(left, divisorName);
    return checkedResult(left / right, left, "÷", right);
}

} // namespace vorantis
