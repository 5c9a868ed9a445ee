// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working of each panel's clicks, one function a panel. Each says the steps the click took,
// as far as its writes show it got, and may throw where a text does not support a step; the
// caller then falls back to a plain statement of the click.

#include "working/entry.h"

namespace vorantis::working {

// Whole and decimal numbers (numbers.cpp).
void explainClear(Entry& entry);
void explainDecimal(Entry& entry);
void explainIntegerDivision(Entry& entry);
void explainSquareRoot(Entry& entry);
void explainPower(Entry& entry);
void explainPrimeTest(Entry& entry);

// Fractions (fractions.cpp).
void explainFromFraction(Entry& entry);
void explainFromDecimal(Entry& entry);
void explainFromPercent(Entry& entry);
void explainSimplify(Entry& entry);
void explainFractionSum(Entry& entry);
void explainFractionProduct(Entry& entry);

} // namespace vorantis::working
