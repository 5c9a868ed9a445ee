#include "core/float_ops.h"

#include "core/convert.h"
#include "core/failure.h"

#include <cmath>

namespace vorantis {
namespace {

double checkedResult(double result, double left, const char* operation, double right)
{
    if (std::isnan(result))
        throw Failure(FailureKind::InvalidOperation,
                      DoubleToText(left) + " " + operation + " " + DoubleToText(right) + " has no value");
    return result;
}

} // namespace

double checkedAdd(double left, double right) { return checkedResult(left + right, left, "plus", right); }

double checkedSubtract(double left, double right)
{
    return checkedResult(left - right, left, "minus", right);
}

double checkedMultiply(double left, double right)
{
    return checkedResult(left * right, left, "times", right);
}

double checkedDivide(double left, double right)
{
    if (right == 0 && left != 0)
        throw Failure(FailureKind::DivisionByZero, "cannot divide by zero");
    return checkedResult(left / right, left, "divided by", right);
}

} // namespace vorantis
