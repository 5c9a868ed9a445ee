#pragma once

// 32-bit integer arithmetic that reports overflow and division by zero as a Failure
// instead of running into undefined behaviour or a trap.

#include "core/failure.h"

#include <cstdint>
#include <limits>
#include <string>

namespace vorantis::checked {

inline Failure overflow(const char* what, std::int32_t a, std::int32_t b)
{
    return Failure(FailureKind::OutOfRange,
                   std::string("the ") + what + " of " + std::to_string(a) + " and " + std::to_string(b) +
                       " is too large for a whole number");
}

inline std::int32_t add(std::int32_t a, std::int32_t b)
{
    std::int32_t result;
    if (__builtin_add_overflow(a, b, &result))
        throw overflow("sum", a, b);
    return result;
}

inline std::int32_t subtract(std::int32_t a, std::int32_t b)
{
    std::int32_t result;
    if (__builtin_sub_overflow(a, b, &result))
        throw overflow("difference", a, b);
    return result;
}

inline std::int32_t multiply(std::int32_t a, std::int32_t b)
{
    std::int32_t result;
    if (__builtin_mul_overflow(a, b, &result))
        throw overflow("product", a, b);
    return result;
}

// Truncates towards zero, like the hardware division.
inline std::int32_t divide(std::int32_t a, std::int32_t b)
{
    if (b == 0)
        throw Failure(FailureKind::DivisionByZero, "cannot divide by zero");
    if (a == std::numeric_limits<std::int32_t>::min() && b == -1)
        throw overflow("quotient", a, b);
    return a / b;
}

// The remainder has the sign of the dividend. The one pair whose quotient overflows
// (-2147483648 and -1) still has the remainder 0, which is returned rather than trapped.
inline std::int32_t remainder(std::int32_t a, std::int32_t b)
{
    if (b == 0)
        throw Failure(FailureKind::DivisionByZero, "cannot divide by zero");
    if (b == -1)
        return 0;
    return a % b;
}

} // namespace vorantis::checked
