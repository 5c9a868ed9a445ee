// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/integer_routines.h"

#include "core/convert.h"
#include "core/failure.h"
#include "core/float_ops.h"
#include "language/language.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <string>
#include <utility>

namespace vorantis {
namespace {

// What a message calls a number: its name ("the number to test"), or "the number".
std::string_view nameOrNumber(std::string_view name) { return name.empty() ? tr("the number") : name; }

// Said of a pair whose product, or least common multiple, is beyond the whole numbers.
std::string tooLarge(std::string_view first, std::string_view second)
{
    return fill(tr("{first} and {second} are too large to find their least common multiple"),
                {{"first", first}, {"second", second}});
}

} // namespace

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

std::int32_t smallestFactor(std::int32_t number, std::string_view name)
{
    const std::int32_t n = number;
    if (n > 3) {
        if (n % 2 == 0)
            return 2;
        if (n % 3 == 0)
            return 3;
    }
    if (n < 0)
        throw Failure(FailureKind::InvalidOperation,
                      fill(tr("{field} is {number}, and only a number of 0 or more can be tested"),
                           {{"field", nameOrNumber(name)}, {"number", LongToText(n)}}));
    const std::int32_t limit = RoundToLong(checkedAdd(std::sqrt(static_cast<double>(n)), 1));
    if (n < 2 || limit < 5)
        return n;
    std::int32_t d = 5;
    std::int32_t step = 2;
    do {
        if (n % d == 0)
            return d;
        d += step; // d stays below 46350: limit is at most 46342
        step = 6 - step;
    } while (d <= limit);
    return n;
}

bool IsPrime(std::int32_t number, std::string_view name)
{
    // Asked first: a negative number fails at its square root, before any other test.
    const std::int32_t factor = smallestFactor(number, name);
    // Neither 0 nor 1 is prime (nor composite); the trial division alone would say prime.
    return number >= 2 && factor == number;
}

std::int32_t wholeSquareRoot(std::int32_t number)
{
    // The double root is within one of the whole one; the 64-bit squares settle which.
    auto root = static_cast<std::int64_t>(std::sqrt(static_cast<double>(number)));
    while (root * root > number)
        --root;
    while ((root + 1) * (root + 1) <= number)
        ++root;
    return static_cast<std::int32_t>(root);
}

std::int32_t LCM(std::int32_t n1, std::int32_t n2, std::string_view n1Name, std::string_view n2Name)
{
    const auto pair = [&] {
        return tooLarge(n1Name.empty() ? LongToText(n1) : std::string(n1Name),
                        n2Name.empty() ? LongToText(n2) : std::string(n2Name));
    };
    std::int32_t p;
    if (__builtin_mul_overflow(n1, n2, &p))
        throw Failure(FailureKind::OutOfRange, pair());

    // With a negative argument the remainder loop below only ends for some pairs. Dividing
    // the product by minus the greatest common divisor gives exactly the result the loop
    // gives where it ends, and a result everywhere else.
    if (n1 != 0 && n2 != 0 && (n1 < 0 || n2 < 0)) {
        const auto gcd = std::gcd(std::int64_t{n1}, std::int64_t{n2}); // magnitudes; fits in 64 bits
        const std::int64_t g = -gcd;
        const std::int64_t quotient = std::int64_t{p} / g;
        if (quotient < std::numeric_limits<std::int32_t>::min() ||
            quotient > std::numeric_limits<std::int32_t>::max())
            throw Failure(FailureKind::OutOfRange, pair());
        return static_cast<std::int32_t>(quotient);
    }

    // Both arguments 0 or more, or one of them 0: this loop ends within a few dozen rounds
    // (Euclid's algorithm), or reaches a divisor of 0 first, which fails naming the 0.
    std::int32_t a = n1;
    std::int32_t b = n2;
    do {
        if (a < b)
            std::swap(a, b);
        if (b == 0) // reached only when n1 or n2 is 0
            throw Failure(FailureKind::DivisionByZero,
                          fill(tr("{field} is 0 as a whole number, and a least common multiple is found only "
                                  "for numbers other than 0"),
                               {{"field", nameOrNumber(n1 == 0 ? n1Name : n2Name)}}));
        a %= b; // a is 0 or more here, so this never traps
    } while (a != 0);
    return p / b;
}

} // namespace vorantis
