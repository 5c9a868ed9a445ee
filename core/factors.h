// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The steps a pupil takes with whole numbers, for the working to show: the prime factors, the
// multiples listed until they meet, Euclid's divisions and the primes tried in a prime test.
// Each works on the size of its numbers and leaves a minus sign aside, as a pupil does; 64 bits
// hold the size of every 32-bit number, the lowest included.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace vorantis {

using Factors = std::vector<std::int64_t>;

// The prime factors of the number's size from the smallest up, each as often as it divides it:
// 12 gives 2, 2, 3. None for 0 and 1.
Factors primeFactors(std::int64_t number);

// The primes two factor lists share, each at the lower of its two powers: their product is the
// greatest common factor of the two numbers.
Factors sharedFactors(const Factors& first, const Factors& second);

// Every prime of either list at the higher of its two powers: their product is the least common
// multiple.
Factors highestPowers(const Factors& first, const Factors& second);

// The product of the factors; 1 for none.
std::int64_t productOf(const Factors& factors);

// The multiples of each number's size from the number itself up, to the first that both lists
// hold; nothing where either list would need more than `longest` of them, or a number is 0.
struct MultipleLists {
    std::vector<std::int64_t> first;
    std::vector<std::int64_t> second;
};
std::optional<MultipleLists> multiplesUntilCommon(std::int64_t first, std::int64_t second,
                                                  std::size_t longest);

// One of Euclid's divisions: dividend = quotient × divisor + remainder.
struct EuclidStep {
    std::int64_t dividend;
    std::int64_t quotient;
    std::int64_t divisor;
    std::int64_t remainder;
};

// Euclid's divisions of the two sizes, the larger divided by the smaller first and then each
// divisor by its remainder, until a remainder is 0: the last divisor is the greatest common
// factor. None where either number is 0.
std::vector<EuclidStep> euclidSteps(std::int64_t first, std::int64_t second);

// A prime test by hand: the primes tried in turn (2, 3, 5, 7, ...), up to the first that divides
// the number, or all of those whose square is at most the number; and the first prime not tried.
struct PrimeTrial {
    std::vector<std::int32_t> tried;
    std::int32_t next;
};
PrimeTrial primesTried(std::int32_t number);

} // namespace vorantis
