// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/float_ops.h"

#include "core/convert.h"
#include "core/failure.h"
#include "language/language.h"

#include <cmath>
#include <string>

namespace vorantis {
namespace {

double checkedResult(double result, double left, std::string_view operation, double right)
{
    if (std::isnan(result))
        throw Failure(FailureKind::InvalidOperation,
                      Message(translatable("{operation} has no value"),
                              {{"operation",
                                nested(Message::symbols(operation,
                                                        {{"left", Message::Number{left}},
                                                         {"right", Message::Number{right}}}))}}));
    return result;
}

} // namespace

double checkedAdd(double left, double right)
{
    return checkedResult(left + right, left, "{left} + {right}", right);
}

double checkedSubtract(double left, double right)
{
    return checkedResult(left - right, left, "{left} − {right}", right);
}

double checkedMultiply(double left, double right)
{
    return checkedResult(left * right, left, "{left} × {right}", right);
}

Failure divisionByZero(double left, std::string_view divisorName)
{
    const Message::Words divisor{divisorName.empty() ? translatable("the divisor") : divisorName};
    if (left == 0)
        return Failure(FailureKind::InvalidOperation,
                       Message(translatable("{field} is 0, and 0 ÷ 0 has no value"), {{"field", divisor}}));
    return Failure(
        FailureKind::DivisionByZero,
        Message(translatable("{field} is 0, and no number can be divided by 0"), {{"field", divisor}}));
}

double checkedDivide(double left, double right, std::string_view divisorName)
{
    if (right == 0)
        throw divisionByZero(left, divisorName);
    return checkedResult(left / right, left, "{left} ÷ {right}", right);
}

} // namespace vorantis
