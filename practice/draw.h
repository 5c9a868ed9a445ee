// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The generators: each draws one exercise from a level's row with the sheet's own source of
// chance, drawing again where a draw breaks what the row says must hold.

#include "practice/exercise.h"
#include "practice/levels.h"
#include "practice/random.h"

#include <stdexcept>

namespace vorantis::practice {

// Fractions (draw_fractions.cpp): FA FS FM FD and SF.
Drawn draw(Topic topic, const FractionLevel& level, SeededRandom& random);
Drawn draw(Topic topic, const SimplifyLevel& level, SeededRandom& random);
// FP (draw_conversions.cpp).
Drawn draw(Topic topic, const ConversionLevel& level, SeededRandom& random);
// DA DS DM DD (draw_decimals.cpp).
Drawn draw(Topic topic, const DecimalLevel& level, SeededRandom& random);
// WD PW SR PC (draw_whole_numbers.cpp).
Drawn draw(Topic topic, const DivisionLevel& level, SeededRandom& random);
Drawn draw(Topic topic, const PowerLevel& level, SeededRandom& random);
Drawn draw(Topic topic, const RootLevel& level, SeededRandom& random);
Drawn draw(Topic topic, const PrimeLevel& level, SeededRandom& random);

// Draws until `fits` holds of the draw. A row so tight that thousands of draws miss it is a fault
// of the table, not of chance.
template <class DrawOnce, class Fits> auto drawUntil(DrawOnce drawOnce, Fits fits)
{
    for (int tries = 0; tries < 100000; ++tries)
        if (auto drawn = drawOnce(); fits(drawn))
            return drawn;
    throw std::logic_error("a level whose rule no draw meets");
}

} // namespace vorantis::practice
