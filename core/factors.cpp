// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/factors.h"

#include "core/integer_routines.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace vorantis {

Factors primeFactors(std::int64_t number)
{
    std::int64_t rest = std::llabs(number);
    Factors factors;
    // Only the size of the lowest 32-bit number, 2 to the 31st, is beyond smallestFactor; its
    // twos come off first, so what is left always fits.
    while (rest > 1 && rest % 2 == 0) {
        factors.push_back(2);
        rest /= 2;
    }
    // The window's own trial division, so the factors and its prime test never disagree.
    while (rest > 1) {
        const std::int64_t factor = smallestFactor(static_cast<std::int32_t>(rest));
        factors.push_back(factor);
        rest /= factor;
    }
    return factors;
}

Factors sharedFactors(const Factors& first, const Factors& second)
{
    Factors shared;
    std::set_intersection(first.begin(), first.end(), second.begin(), second.end(),
                          std::back_inserter(shared));
    return shared;
}

Factors highestPowers(const Factors& first, const Factors& second)
{
    Factors all;
    std::set_union(first.begin(), first.end(), second.begin(), second.end(), std::back_inserter(all));
    return all;
}

std::int64_t productOf(const Factors& factors)
{
    std::int64_t product = 1;
    for (const std::int64_t factor : factors)
        product *= factor;
    return product;
}

std::optional<MultipleLists> multiplesUntilCommon(std::int64_t first, std::int64_t second,
                                                  std::size_t longest)
{
    const std::int64_t a = std::llabs(first), b = std::llabs(second);
    if (a == 0 || b == 0 || longest == 0)
        return std::nullopt;
    MultipleLists lists{{a}, {b}};
    // The smaller of the two last multiples takes its next step, until they meet.
    while (lists.first.back() != lists.second.back()) {
        const bool firstBehind = lists.first.back() < lists.second.back();
        std::vector<std::int64_t>& behind = firstBehind ? lists.first : lists.second;
        if (behind.size() == longest)
            return std::nullopt;
        behind.push_back(behind.back() + (firstBehind ? a : b));
    }
    return lists;
}

std::vector<EuclidStep> euclidSteps(std::int64_t first, std::int64_t second)
{
    std::int64_t dividend = std::max(std::llabs(first), std::llabs(second));
    std::int64_t divisor = std::min(std::llabs(first), std::llabs(second));
    std::vector<EuclidStep> steps;
    while (divisor != 0) {
        steps.push_back({dividend, dividend / divisor, divisor, dividend % divisor});
        dividend = divisor;
        divisor = steps.back().remainder;
    }
    return steps;
}

PrimeTrial primesTried(std::int32_t number)
{
    PrimeTrial trial{{}, 2};
    if (number < 4)
        return trial;
    const std::int32_t root = wholeSquareRoot(number);
    std::vector<char> composite(std::size_t(root) + 1);
    for (std::int32_t p = 2; p <= root; ++p) {
        if (composite[std::size_t(p)])
            continue;
        trial.tried.push_back(p);
        if (number % p == 0)
            break;
        for (std::size_t multiple = std::size_t(p) * p; multiple < composite.size();
             multiple += std::size_t(p))
            composite[multiple] = 1;
    }
    // The next prime lies below twice the last one tried (Bertrand), where the primes tried
    // reach past its square root, so trial division by them finds it.
    for (std::int32_t candidate = trial.tried.back() + 1;; ++candidate) {
        bool prime = true;
        for (std::size_t i = 0; prime && trial.tried[i] * std::int64_t{trial.tried[i]} <= candidate; ++i)
            prime = candidate % trial.tried[i] != 0;
        if (prime) {
            trial.next = candidate;
            return trial;
        }
    }
}

} // namespace vorantis
