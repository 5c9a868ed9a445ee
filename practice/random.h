// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The practice room's own source of chance: SplitMix64, whose every step is a few additions,
// shifts and multiplications of 64-bit unsigned numbers, so the same seed gives the same
// numbers in the window and in the page's 32-bit WebAssembly alike. The standard library's
// engines are the same everywhere, but its distributions and std::hash are not.

#include <cstdint>

namespace vorantis::practice {

class SeededRandom {
public:
    explicit SeededRandom(std::uint64_t seed) : m_state(seed) { }

    // The next 64 bits.
    std::uint64_t next();
    // A number from 0 to bound − 1, each equally likely: draws that would favour the low
    // numbers are thrown back. A bound of 0 or 1 gives 0.
    std::uint64_t below(std::uint64_t bound);
    // A number from lowest to highest, both included.
    std::int64_t between(std::int64_t lowest, std::int64_t highest);
    // true one time in `times`.
    bool oneIn(std::uint64_t times) { return below(times) == 0; }

private:
    std::uint64_t m_state;
};

} // namespace vorantis::practice
