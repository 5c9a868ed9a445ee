// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's own floating-point operations, each followed by its check: a division by
// zero and every invalid operation (0 / 0, infinity - infinity, 0 x infinity) fail, while a
// result beyond the double range is no failure and becomes infinite.

#include "core/failure.h"

#include <string_view>

namespace vorantis {

double checkedAdd(double left, double right);
double checkedSubtract(double left, double right);
double checkedMultiply(double left, double right);
// `divisorName` says in English words what the divisor is ("the right operand"), for the
// message, which says them in the language in use.
double checkedDivide(double left, double right, std::string_view divisorName = {});

// The failure of `left` divided by a divisor of 0: a division by zero, or 0 / 0.
Failure divisionByZero(double left, std::string_view divisorName);

} // namespace vorantis
