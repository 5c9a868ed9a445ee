// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Help taken from the calculator's working of an exercise, never written anew: the hint is its
// first step, where that step does not already show the answer (the common denominator, the
// multiples of the divisor, the primes tried); where it does, or the working goes straight to
// the answer (a sum of decimals, a power), the topic's tip. An answer key shows a few steps.

#include "practice/exercise.h"
#include "working/entry.h"

#include <vector>

namespace vorantis::practice {

working::Step hintFor(const Exercise& exercise, const working::Entry& entry);

// The steps up to the first that shows the answer, at most three: where there are more, the first
// two and that one. Where no step shows it (a verdict, a quotient with its remainder), the first
// three; the working's answer where it has no step. What the working does after the answer (a
// decimal's fraction, where the decimal was asked) is left out.
std::vector<working::Step> shortWorking(const Exercise& exercise, const working::Entry& entry);

} // namespace vorantis::practice
