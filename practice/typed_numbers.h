// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A number a pupil typed into one box of an answer, read exactly in the language in use; where
// there is none to read, a note that asks for one, in the words the calculator's own messages use.

#include "core/exact_fraction.h"
#include "practice/answer.h"

#include <optional>
#include <string_view>

namespace vorantis::practice {

struct Reading {
    std::optional<Ratio> value; // in lowest terms
    std::optional<working::Step> note; // where there is no value
};

// `name` is what a note calls the box, in English: "the numerator".
Reading readNumber(std::string_view text, std::string_view name);
Reading readWhole(std::string_view text, std::string_view name);

// Whether the box holds nothing but blanks.
bool isBlank(std::string_view text);

// The check of an answer of the fraction shape (fraction_answer.cpp).
Checked checkFraction(const Exercise& exercise, const Answer& answer);

} // namespace vorantis::practice
