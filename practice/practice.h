// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A pupil's practice: the pupil answers first, and is told right, or not yet with a hint, or after
// a second wrong answer shown the whole working. A hint costs nothing: it is no try. The tally
// since the practice began counts each exercise once, when it ends:
//   right first time: right at the first try, with no hint before it;
//   right after a hint: right after a hint or a wrong answer, or unfinished (6/8 for 3/4), whose
//     note gives the last step;
//   shown: its working was shown, asked for or after a second wrong answer.
// An exercise left for the next one counts nowhere. Nothing is written anywhere: the tally lives
// and ends with its Practice.

#include "practice/answer.h"
#include "practice/sheet.h"
#include "working/entry.h"

#include <optional>
#include <vector>

namespace vorantis::practice {

struct Tally {
    int rightFirstTime = 0;
    int rightAfterHint = 0;
    int shown = 0;

    bool operator==(const Tally&) const = default;
};

// What a front end shows after the pupil's move: a few lines, and the whole working where it is
// shown. Its numbers are written in `language`.
struct Reply {
    std::optional<Outcome> outcome; // of an answer; nothing for a hint or the working asked for
    std::vector<working::Step> lines;
    std::optional<working::Entry> working;
    const Language* language;
};

class Practice {
public:
    explicit Practice(const SheetCode& code) : m_sheet(code), m_exercise(m_sheet.next()) { }

    const Exercise& exercise() const { return m_exercise; }
    const Tally& tally() const { return m_tally; }
    // The exercise is over: answered, or its working shown. Answers to it are still checked.
    bool ended() const { return m_ended; }

    Reply answer(const Answer& answer);
    Reply hint();
    Reply showWorking();
    // On to the next exercise of the sheet.
    void next();

private:
    void end(int Tally::*column);

    Sheet m_sheet;
    Exercise m_exercise;
    Tally m_tally;
    bool m_helped = false; // a hint, or a wrong answer, before the right one
    int m_wrong = 0;
    bool m_ended = false;
};

} // namespace vorantis::practice
