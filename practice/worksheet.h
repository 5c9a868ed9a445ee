// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A sheet to print: its exercises, and for the answer key each one's answer as a teacher writes
// it with a few steps of its working. Where each goes on a page is the front end's to choose.

#include "practice/exercise.h"
#include "practice/sheet_code.h"
#include "working/entry.h"

#include <vector>

namespace vorantis::practice {

inline constexpr int fewestOnASheet = 10;
inline constexpr int mostOnASheet = 40;

struct KeyLine {
    working::Math answer;
    std::vector<working::Step> working;
};

struct Worksheet {
    SheetCode code;
    working::Step title; // the topic's name
    working::Step level; // the level's description
    working::Step instruction;
    std::vector<Exercise> exercises;
    std::vector<KeyLine> key; // one a exercise, in the same order
    const Language* language; // the one every number was written in
};

// `count` exercises, brought within 10 to 40, in the language in use.
Worksheet worksheet(const SheetCode& code, int count);

} // namespace vorantis::practice
