// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A pupil's answer and its check. The value is compared exactly, as fractions of whole numbers;
// the form separately, the way a teacher marks it:
//   the right value in the form asked is right;
//   the right value in another usual form (7/4 for 1 3/4, 2/1 for 2, 3/-4 for −3/4) is right, with
//   a note of the form asked; trailing zeros of a decimal are no other form (0.50 is 0.5);
//   the right value in a fraction that is not in lowest terms (6/8 for 3/4) is unfinished: its note
//   gives the lowest terms, so the pupil has been shown the last step and it counts as right after
//   a hint (practice/practice.h);
//   a field left empty, or holding no number, is unread: its note asks for one, and it is no try;
//   any other answer is not yet right, with a hint of its own where the slip is plain (a remainder
//   as large as the divisor).

#include "practice/exercise.h"
#include "working/entry.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vorantis::practice {

// A box a front end offers for a shape of answer, in its order.
struct AnswerField {
    std::string_view caption; // English: "numerator"
    std::string_view name; // English, as a note calls it: "the numerator"
};
std::span<const AnswerField> answerFields(AnswerShape shape);

// The choices a front end offers for a verdict, in order.
struct VerdictChoice {
    Verdict verdict;
    std::string_view caption; // English
};
std::span<const VerdictChoice> verdictChoices();

struct Answer {
    std::vector<std::string> texts; // as typed, in the order of answerFields(shape); missing ones empty
    std::optional<Verdict> verdict; // the choice, for a verdict
};

enum class Outcome { right, unfinished, unread, notYet };

struct Checked {
    Outcome outcome;
    std::optional<working::Step> note;
};

// In the language in use, whose decimal mark the typed numbers are read with.
Checked check(const Exercise& exercise, const Answer& answer);

} // namespace vorantis::practice
