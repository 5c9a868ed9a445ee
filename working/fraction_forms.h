// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fraction a click shows, beside the way a pupil writes it: the answer says what the window
// shows, then, where it is not a pupil's usual form, a whole or mixed number; a line after the
// answer gives the exact value of what was typed where the window's fraction is not it, or the
// usual place of a minus sign the window shows in the denominator.

#include "core/exact_fraction.h"
#include "working/entry.h"

#include <optional>
#include <string>

namespace vorantis::working {

// The exact value of a fraction of two number texts, as it comes: 2.5/5 is 25/50.
std::optional<Ratio> ratioOf(const std::string& numerator, const std::string& denominator);

// The fraction the window shows, with its minus sign where one shows apart from the terms.
Math shownFraction(bool negative, const std::string& numerator, const std::string& denominator);

// The answer `calculation` = the shown fraction (`exact` is what the typed value is worth, kept as
// it comes: 0.125 as 125/1000), and a mixed or whole number where the shown one
// is improper, and `last` where there is one (a percent), and the exact value where the shown
// fraction is not it; after it, the usual place of a minus sign shown in the denominator.
void addAnswer(Entry& entry, Math calculation, bool negative, const std::string& numerator,
               const std::string& denominator, const std::optional<Ratio>& exact,
               std::optional<Math> last = {});

} // namespace vorantis::working
