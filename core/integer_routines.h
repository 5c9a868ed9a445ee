// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The whole-number routines the panels share. They read and write no field; a failure
// inside one ends the calling procedure at that call.

#include "core/variant.h"

#include <cstdint>
#include <string_view>

namespace vorantis {

// The whole-number quotient of first / second taken towards minus infinity (choice 1), or
// the remainder that belongs to it, with the sign of the divisor (choice 2); any other
// choice gives the empty Variant. A Variant that refers to a field is read again at every
// use in the arithmetic.
Variant divide(const Variant& first, const Variant& second, const Variant& choice);

// Trial division by 2, 3 and then 5, 7, 11, 13, ... (steps of 2 and 4, past the multiples of 2
// and 3) up to about the square root: the first divisor found, which is the smallest from 2 up,
// or the number itself where none divides it (a prime; 0 and 1 are not tried). A negative number
// fails: it has no square root. `name` says in English words what the number is ("the number to
// test"), for the failure's message.
std::int32_t smallestFactor(std::int32_t number, std::string_view name = {});

// The trial division above finds no divisor. 0 and 1 are not prime; a negative number fails.
bool IsPrime(std::int32_t number, std::string_view name = {});

// The largest whole number whose square is at most `number` (0 or more): how far trial
// division must go before a divisor would pair with one already tried.
std::int32_t wholeSquareRoot(std::int32_t number);

// The least common multiple, as product / divisor. The 32-bit product is checked first, so a
// pair whose product overflows fails even where its multiple would fit; a 0 beside a 0 or a
// positive number fails too. The names say in English words what the numbers are, for the
// failure's message, which names them in the order given: a numerator before its denominator.
std::int32_t LCM(std::int32_t n1, std::int32_t n2, std::string_view n1Name = {},
                 std::string_view n2Name = {});

} // namespace vorantis
