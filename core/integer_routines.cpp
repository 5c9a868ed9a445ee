#include "core/integer_routines.h"

#include "core/convert.h"
#include "core/failure.h"
#include "core/float_ops.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <utility>

namespace vorantis {

Variant divide(const Variant& first, const Variant& second, const Variant& choice)
{
    const Variant q = wholePart(division(first, second));
    const Variant r = difference(first, product(q, second));
    const Variant quotient = division(difference(first, r), second);

    Variant result;
    if (numericallyEqual(choice, Variant::integer(1)))
        result = quotient;
    if (numericallyEqual(choice, Variant::integer(2)))
        result = r;
    return result;
}

bool IsPrime(std::int32_t number)
{
    const std::int32_t n = number;
    if (n > 3) {
        if (n % 2 == 0)
            return false;
        if (n % 3 == 0)
            return false;
    }
    if (n < 0)
        throw Failure(FailureKind::InvalidOperation,
                      LongToText(n) + " is negative: the number must be 0 or more");
    const std::int32_t limit = RoundToLong(checkedAdd(std::sqrt(static_cast<double>(n)), 1));
    // Neither 0 nor 1 is prime (nor composite); the trial division alone would say prime.
    if (n < 2)
        return false;
    if (limit < 5)
        return true;
    std::int32_t d = 5;
    std::int32_t step = 2;
    do {
        if (n % d == 0)
            return false;
        d += step; // d stays below 46350: limit is at most 46342
        step = 6 - step;
    } while (d <= limit);
    return true;
}

std::int32_t LCM(std::int32_t n1, std::int32_t n2)
{
    std::int32_t p;
    if (__builtin_mul_overflow(n1, n2, &p))
        throw Failure(FailureKind::OutOfRange, "the product of " + LongToText(n1) + " and " + LongToText(n2) +
                                                   " is too large for a whole number");

    // With a negative argument the remainder loop below only ends for some pairs. Dividing
    // the product by minus the greatest common divisor gives exactly the result the loop
    // gives where it ends, and a result everywhere else.
    if (n1 != 0 && n2 != 0 && (n1 < 0 || n2 < 0)) {
        const auto gcd = std::gcd(std::int64_t{n1}, std::int64_t{n2}); // magnitudes; fits in 64 bits
        const std::int64_t g = -gcd;
        const std::int64_t quotient = std::int64_t{p} / g;
        if (quotient < std::numeric_limits<std::int32_t>::min() ||
            quotient > std::numeric_limits<std::int32_t>::max())
            throw Failure(FailureKind::OutOfRange,
                          "the least common multiple of " + LongToText(n1) + " and " + LongToText(n2) +
                              " is too large for a whole number");
        return static_cast<std::int32_t>(quotient);
    }

    // Both arguments 0 or more, or one of them 0: this loop ends within a few dozen rounds
    // (Euclid's algorithm), or divides by zero when b reaches 0 first.
    std::int32_t a = n1;
    std::int32_t b = n2;
    do {
        if (a < b)
            std::swap(a, b);
        if (b == 0)
            throw Failure(FailureKind::DivisionByZero, "cannot divide by zero");
        a %= b; // a is 0 or more here, so this never traps
    } while (a != 0);
    return p / b;
}

} // namespace vorantis
