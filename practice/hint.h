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

// The first step and the steps of mathematics alone (the calculator's own figures, said in words,
// are left out), at most three in any working; the working's answer where it has no step.
std::vector<working::Step> shortWorking(const working::Entry& entry);

} // namespace vorantis::practice
