// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The words a front end puts on its buttons and beside its boxes, and the tally it shows: each as
// mathematics of words or as a step, so that it is drawn, written as MathML and said the way the
// working is, in the language in use when it is written.

#include "practice/answer.h"
#include "practice/practice.h"
#include "working/entry.h"

#include <span>
#include <string_view>
#include <vector>

namespace vorantis::practice {

// What a pupil can do with an exercise, in the order a front end offers it.
enum class Move { check, hint, showWorking, next };

struct MoveRow {
    Move move;
    std::string_view caption; // English
};
std::span<const MoveRow> moves();

working::Math captionOf(Move move);
working::Math captionOf(const AnswerField& field);
working::Math captionOf(const VerdictChoice& choice);

// The tally as three lines, each counting its exercises.
std::vector<working::Step> tallyLines(const Tally& tally);

} // namespace vorantis::practice
