// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One click's working as a teacher writes it on the board: a heading that says what the click
// set out to do, a few steps, and the answer on a line of its own, or where it stopped and why.
// A step is a sentence pattern from the catalogue whose placeholders hold mathematics
// (working/math.h); the writers (plain text, MathML, the window's drawing, speech) each put the
// same tree down in their own way, in the language in use when they write it.

#include "core/message.h"
#include "working/math.h"

#include <initializer_list>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace vorantis {
struct Language;
}

namespace vorantis::working {

struct Step {
    std::string_view pattern; // English, said through the catalogue; "{math}" for mathematics alone
    std::string_view plural = {}; // for a step that counts: its English for every count but one
    unsigned long count = 1;
    std::vector<std::pair<std::string_view, Math>> values;
};

// A step of one sentence: the pattern's {name}s hold the values.
Step said(std::string_view pattern, std::initializer_list<std::pair<std::string_view, Math>> values);
// A step that counts something, in the form its language gives the count. The two English forms
// are one entry of the catalogue, with its plural (the extractor knows counted()).
Step counted(std::string_view one, std::string_view many, unsigned long count,
             std::initializer_list<std::pair<std::string_view, Math>> values);
// A step of mathematics alone: "3/6 + 2/6 = 5/6".
Step shown(Math math);

struct Entry {
    const Language* language = nullptr; // the one its numbers were written in
    Step heading;
    std::vector<Step> steps;
    std::optional<Step> result; // the answer, on its own line
    std::optional<Step> afterword; // after the answer: its check, or how it is usually written
    std::optional<Message> failure; // where the click stopped, and why
};

// A step's pattern in the language in use, cut into its words and its mathematics, in order.
// A placeholder the step has no value for is a fault of the program: it throws std::logic_error.
struct Piece {
    std::string_view words; // where `math` is null
    const Math* math;
};
std::vector<Piece> piecesOf(const Step& step);

} // namespace vorantis::working
