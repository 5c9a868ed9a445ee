// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How a pupil finds a common factor and a common multiple of two whole numbers, in the lines of
// an entry: by prime factors, by listing multiples or by Euclid's steps, every step from the
// core. The numbers are written as the window writes them.

#include "core/factors.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vorantis::working {

// A prime four times or more as a power, as a pupil shortens it: "2 × 2 × 3", "2⁵ × 3".
std::string productText(const Factors& factors);
// A number beside its prime factors, "12 = 2 × 2 × 3" or "-12 = -2 × 2 × 3"; a prime, 0 or 1 alone,
// as it is its own factor.
std::string factored(std::int64_t number);
// "2, 3, 5 or 7": the last two joined by the word given.
std::string listed(const std::vector<std::string>& items, std::string_view lastJoin);

// How the least common multiple `multiple` of the two numbers is found, said after a colon:
// one a multiple of the other, their multiples listed where they meet soon enough, else each
// prime at its highest power (with both numbers' factors unless `factorsSaid`). Empty where
// the calculator's multiple is not the one a pupil finds, as for a pair below 0.
std::string multipleFound(std::int64_t first, std::int64_t second, std::int64_t multiple, bool factorsSaid);

// The greatest common factor of two whole numbers other than 0, found from the primes they share,
// or by Euclid's steps for a number above 1000, which few pupils would factor by hand. The line
// says that `fraction` is in lowest terms where the factor is 1.
struct CommonFactor {
    std::int64_t value;
    bool byFactors;
    std::string line;
};
CommonFactor commonFactor(std::int64_t first, std::int64_t second, const std::string& fraction);

} // namespace vorantis::working
