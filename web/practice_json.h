// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The practice room as JSON for the page's script, in the language in use: its words, the room at
// an exercise, a printed sheet. Mathematics comes as HTML with MathML, each <math> named by its
// spoken form, and what a screen reader is told as "said".

#include "practice/practice.h"
#include "practice/sheet_code.h"
#include "practice/worksheet.h"

#include <optional>
#include <string>
#include <string_view>

namespace vorantis::practiceJson {

// The room's words, the topics with their levels, the moves, the verdicts and the sheet's choices.
std::string words();

// The room at its exercise: the code, the question, the answer's boxes, the reply to the last move,
// its working where shown, the tally, and what is said of it.
std::string room(const practice::Practice& practice, std::string_view code,
                 const std::optional<practice::Reply>& reply, std::string_view said);

// What is said of a new exercise, and of a reply.
std::string question(const practice::Exercise& exercise);
std::string said(const practice::Reply& reply);

// Why a code cannot be read.
std::string problem(const practice::UnreadCode& unread);

// The answer from its boxes' texts, each ended by a line break, and the verdict's place or -1.
practice::Answer answer(std::string_view texts, int verdict);

std::string sheet(const practice::Worksheet& sheet);

} // namespace vorantis::practiceJson
