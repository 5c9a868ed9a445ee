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
Message::Words nameOrNumber(std::string_view name)
{
    return {name.empty() ? translatable("the number") : name};
}

// Said of a pair whose product is beyond the whole numbers: the product itself is named, as
// the two numbers may each be small (97 × 2147483647).
Failure productTooLarge(std::int32_t n1, std::int32_t n2, std::string_view n1Name, std::string_view n2Name)
{
    const Message::Part product = nested(
        Message::symbols("{first} × {second}",
                         {{"first", Message::Number{double(n1)}}, {"second", Message::Number{double(n2)}}}));
    if (n1Name.empty()) // the callers name both numbers or neither
        return Failure(FailureKind::OutOfRange,
                       Message(translatable("{product} is too large to find the least common multiple of the "
                                            "two numbers"),
                               {{"product", product}}));
    return Failure(
        FailureKind::OutOfRange,
        Message(
            translatable("{product} is too large to find the least common multiple of {first} "
                         "and {second}"),
            {{"product", product}, {"first", Message::Words{n1Name}}, {"second", Message::Words{n2Name}}}));
}

// Said of a pair whose product fits but whose least common multiple does not (one of them -2147483648).
Failure multipleTooLarge(std::int32_t n1, std::int32_t n2, std::string_view n1Name, std::string_view n2Name)
{
    const auto named = [](std::string_view name, std::int32_t n) -> Message::Part {
        if (name.empty())
            return Message::Number{double(n)};
        return Message::Words{name};
    };
    return Failure(
        FailureKind::OutOfRange,
        Message(translatable("the least common multiple of {first} and {second} is too large for a "
                             "whole number"),
                {{"first", named(n1Name, n1)}, {"second", named(n2Name, n2)}}));
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
        throw Failure(
            FailureKind::InvalidOperation,
            Message(translatable("{field} is {number}, and only a number of 0 or more can be tested"),
                    {{"field", nameOrNumber(name)}, {"number", Message::Number{double(n)}}}));
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
    std::int32_t p;
    if (__builtin_mul_overflow(n1, n2, &p))
        throw productTooLarge(n1, n2, n1Name, n2Name);

    // With a negative argument the remainder loop below only ends for some pairs. Dividing
    // the product by minus the greatest common divisor gives exactly the result the loop
    // gives where it ends, and a result everywhere else.
    if (n1 != 0 && n2 != 0 && (n1 < 0 || n2 < 0)) {
        const auto gcd = std::gcd(std::int64_t{n1}, std::int64_t{n2}); // magnitudes; fits in 64 bits
        const std::int64_t g = -gcd;
        const std::int64_t quotient = std::int64_t{p} / g;
        if (quotient < std::numeric_limits<std::int32_t>::min() ||
            quotient > std::numeric_limits<std::int32_t>::max())
            throw multipleTooLarge(n1, n2, n1Name, n2Name);
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
            throw Failure(
                FailureKind::DivisionByZero,
                Message(translatable("{field} is 0 as a whole number, and a least common multiple is "
                                     "found only for numbers other than 0"),
                        {{"field", nameOrNumber(n1 == 0 ? n1Name : n2Name)}}));
        a %= b; // a is 0 or more here, so this never traps
    } while (a != 0);
    return p / b;
}

} // namespace vorantis
