// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the practice room writes its numbers into the working's mathematics: exactly, from whole
// numbers and fractions of them, never through a double, with the decimal mark of the language
// in use, and a fraction the way a teacher writes an answer.

#include "core/exact_fraction.h"
#include "working/math.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vorantis::practice {

using working::whole;

// The program's plain form of a number, "-2.35" (a point, no exponent), as the language in use
// writes it.
working::Math numeral(const std::string& plain);
// units ÷ 10^places: decimal(235, 2) is 2.35.
working::Math decimal(std::int64_t units, int places);

// A fraction's value as a decimal in the plain form, "-0.125"; nothing where it goes on for
// ever. For a denominator above 0.
std::optional<std::string> decimalText(Ratio ratio);

// An answer as a teacher writes it, for a fraction in lowest terms: a whole number, a proper
// fraction, or above 1 in size an improper fraction or, where `mixed`, a mixed number; a minus
// sign before it.
working::Math usualFraction(Ratio ratio, bool mixed);

// The same ratio, as 64-bit terms allow: a fraction equals another in value.
bool sameValue(Ratio left, Ratio right);

} // namespace vorantis::practice
