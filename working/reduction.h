// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The steps of a fraction brought to lowest terms as the program does it: the least common multiple
// of the terms from LCM, the common factor as n × d ÷ lcm(n, d), both terms divided by it.

#include "working/entry.h"

#include <optional>
#include <string>

namespace vorantis::working {

// The least common multiple of two texts taken as whole numbers, as the program finds it; nothing
// where it finds none (the click stopped there).
std::optional<std::string> multipleOf(const std::string& first, const std::string& second);

// 0 over anything but 0, which the program writes as 0/1 without asking for a multiple.
bool isZeroOver(const std::string& numerator, const std::string& denominator);

// n/d reduced in the fields of the conversion panel, the common factor shown in Text5; `nth` is
// the write of d and n that holds the reduced terms.
void explainFieldReduction(Entry& entry, const std::string& n, const std::string& d, int nth);

// The fraction result over its common denominator or as a product, reduced in Text33 and Text34.
void explainResultReduction(Entry& entry);

} // namespace vorantis::working
