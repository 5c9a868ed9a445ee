// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A fraction brought to lowest terms, the way a pupil does it beside the way the calculator does:
// the pupil finds the greatest common factor of the terms; the calculator takes n × d ÷ lcm(n, d),
// with the least common multiple of the terms as whole numbers, and divides both terms by that.
// For whole terms the two agree but for the sign; for others only the calculator's way exists.

#include "working/entry.h"
#include "working/seen.h"

#include <optional>
#include <string>

namespace vorantis::working {

// The least common multiple of two texts taken as whole numbers, as the calculator finds it;
// nothing where it finds none (the click stopped there).
std::optional<std::int32_t> multipleOf(const std::string& first, const std::string& second);

// 0 over anything but 0, which the calculator writes as 0/1 without asking for a multiple.
bool isZeroOver(const std::string& numerator, const std::string& denominator);

// n/d reduced in the fields of the conversion panel, the common factor shown in Text5 and the
// multiple of the terms in Text6; `nth` is the write of d and n that holds the reduced terms.
void addFieldReduction(const Seen& seen, Entry& entry, const std::string& n, const std::string& d, int nth);

// The fraction result over its common denominator, or as a product, reduced in Text33 and Text34.
void addResultReduction(const Seen& seen, Entry& entry);

} // namespace vorantis::working
