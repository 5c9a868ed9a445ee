// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working of each panel's clicks, one function a panel. Each puts down the steps the click
// took, as far as its writes show it got; a text that supports no step (a number typed between
// two clicks of the same fraction) makes it throw the core's Failure, and the caller then says
// plainly what the click wrote.

#include "working/entry.h"
#include "working/seen.h"

namespace vorantis::working {

// Whole and decimal numbers (numbers.cpp).
void explainClear(const Seen& seen, Entry& entry);
void explainDecimal(const Seen& seen, Entry& entry);
void explainIntegerDivision(const Seen& seen, Entry& entry);
void explainSquareRoot(const Seen& seen, Entry& entry);
void explainPower(const Seen& seen, Entry& entry);
void explainPrimeTest(const Seen& seen, Entry& entry);

// Fractions (fractions.cpp).
void explainFromFraction(const Seen& seen, Entry& entry);
void explainFromDecimal(const Seen& seen, Entry& entry);
void explainFromPercent(const Seen& seen, Entry& entry);
void explainSimplify(const Seen& seen, Entry& entry);
void explainFractionSum(const Seen& seen, Entry& entry);
void explainFractionProduct(const Seen& seen, Entry& entry);

// An infinite result, or a 0 where the exact result is not 0, is the double range's doing: a step
// says so before the answer.
void addRangeNote(Entry& entry, const Math& operation, const std::string& result, bool exactIsZero = true);

} // namespace vorantis::working
