// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How a pupil finds a common multiple and a common factor of two whole numbers, as steps of the
// working: by listing multiples, by prime factors or by Euclid's remainders, every number from
// the core (core/factors.h).

#include "core/factors.h"
#include "working/entry.h"

#include <cstdint>
#include <optional>

namespace vorantis::working {

// The primes as a pupil writes their product, a prime twice or more as its power: 2² × 3 × 5.
Math primeProduct(const Factors& factors);
// A number beside its prime factors, "12 = 2² × 3"; a prime, 0 or 1 alone.
Math factored(std::int64_t number);

// How the common denominator `common` of two denominators is found: one a multiple of the other,
// their multiples listed where they meet soon, else each prime at its highest power. Where the
// calculator's multiple is not the one a pupil finds (a pair below 0), it is only named.
Step commonDenominatorStep(std::int64_t first, std::int64_t second, std::int64_t common);

// "the least common multiple of 2 and 3 is 6", said the same ways, for the figure the window
// shows under LCD.
Step multipleStep(std::int64_t first, std::int64_t second, std::int64_t multiple);

// The greatest common factor of two whole numbers other than 0: one dividing the other, the
// primes they share, or, for a number above 1000, Euclid's remainders. `lowest` is the fraction
// the two make, said to be in lowest terms where the factor is 1. Nothing is said where a term is
// 1 or −1, which needs no saying, or 0, which has no greatest factor (its value is then 0).
struct CommonFactor {
    std::int64_t value;
    bool byFactors; // the factors of both are on view, which the least common multiple can use
    std::optional<Step> step;
};
CommonFactor commonFactor(std::int64_t numerator, std::int64_t denominator, const Math& lowest);

} // namespace vorantis::working
