// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/random.h"

namespace vorantis::practice {

std::uint64_t SeededRandom::next()
{
    m_state += 0x9E3779B97F4A7C15u;
    std::uint64_t z = m_state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

std::uint64_t SeededRandom::below(std::uint64_t bound)
{
    if (bound <= 1)
        return 0;
    // 2^64 mod bound: the draws below it are the ones a plain "mod bound" would count once too
    // often, so they are drawn again.
    const std::uint64_t unfair = (0 - bound) % bound;
    std::uint64_t draw = next();
    while (draw < unfair)
        draw = next();
    return draw % bound;
}

std::int64_t SeededRandom::between(std::int64_t lowest, std::int64_t highest)
{
    const std::uint64_t span = static_cast<std::uint64_t>(highest) - static_cast<std::uint64_t>(lowest) + 1;
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(lowest) + below(span));
}

} // namespace vorantis::practice
