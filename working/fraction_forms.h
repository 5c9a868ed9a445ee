// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fraction a click shows, read the way a pupil writes it: the exact value of what was typed
// where the window's fraction is not it, else the sign on the numerator and a mixed or whole
// number. Said just before the entry's last line, which ends with the window's fraction.

#include "core/exact_fraction.h"
#include "working/entry.h"

#include <optional>
#include <string>

namespace vorantis::working {

// What the typed value is worth exactly, kept as it comes (0.125 as 125/1000), and why the window
// can show another fraction.
struct ExactValue {
    std::string typed; // "0.125", "12.5 %", "2.5/5", "1/2.5 + 1/2"
    std::optional<Ratio> value;
    bool overHundred; // the Decimal and Percent buttons; else the terms were taken as whole numbers
};

// The exact value of a fraction of two number texts, as it comes: 2.5/5 is 25/50.
std::optional<Ratio> ratioOf(const std::string& numerator, const std::string& denominator);

// `sign` is the result's minus sign where one shows apart from the terms.
void explainShownFraction(Entry& entry, const std::string& sign, const std::string& numerator,
                          const std::string& denominator, const ExactValue& exact);

} // namespace vorantis::working
