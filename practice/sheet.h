// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The exercises of a sheet, in order, from its code alone: the same code gives the same
// exercises on every machine. No exercise repeats the numbers of another among the first forty,
// nor of another among any later forty, for a pupil who practises on.

#include "practice/exercise.h"
#include "practice/random.h"
#include "practice/sheet_code.h"

#include <vector>

namespace vorantis::practice {

inline constexpr int exercisesApart = 40;

class Sheet {
public:
    explicit Sheet(const SheetCode& code) : m_code(code), m_random(seedOf(code)) { }

    const SheetCode& code() const { return m_code; }
    // The next exercise, written in the language in use.
    Exercise next();

private:
    SheetCode m_code;
    SeededRandom m_random;
    int m_index = 0;
    std::vector<Drawn> m_apart; // those of the current forty so far
};

} // namespace vorantis::practice
