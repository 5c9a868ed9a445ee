// SPDX-License-Identifier: GPL-3.0-or-later
// The checker against practice_answers.table: each typed answer's outcome and note, as a teacher
// marks it, in the language of its row.

#include "practice/answer.h"
#include "tests/support/tables.h"
#include "working/plain_text.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vorantis::testing {
namespace {

using namespace practice;

const std::map<std::string, AnswerShape> shapes{{"fraction", AnswerShape::fraction},
                                                {"decimal", AnswerShape::decimal},
                                                {"percent", AnswerShape::percent},
                                                {"whole", AnswerShape::wholeNumber},
                                                {"division", AnswerShape::quotientAndRemainder},
                                                {"verdict", AnswerShape::verdict}};
const std::map<std::string, Verdict> verdicts{
    {"prime", Verdict::prime}, {"composite", Verdict::composite}, {"neither", Verdict::neither}};
const std::map<std::string, Outcome> outcomes{{"right", Outcome::right},
                                              {"unfinished", Outcome::unfinished},
                                              {"unread", Outcome::unread},
                                              {"notYet", Outcome::notYet}};

// An exercise with as much as a check reads: its topic, the shape and the exact answer, and for a
// division the divisor.
Exercise exerciseOf(const TableRow& row)
{
    Exercise exercise{topicCoded(row.columns[1])->topic,
                      1,
                      0,
                      &currentLanguage(),
                      {},
                      shapes.at(row.columns[2]),
                      Verdict::neither,
                      {},
                      ProcedureId::clear,
                      {}};
    std::istringstream exact(row.columns[3]);
    std::int64_t numerator = 0, denominator = 1;
    char slash = 0;
    if (exercise.shape == AnswerShape::verdict) {
        exercise.exact = verdicts.at(row.columns[3]);
    } else if (exercise.shape == AnswerShape::quotientAndRemainder) {
        std::string r, divide, divisor;
        exact >> numerator >> r >> denominator >> divide >> divisor;
        exercise.exact = QuotientAndRemainder{numerator, denominator};
        exercise.fields = {{Field::Text24, divisor}};
    } else {
        exact >> numerator >> slash >> denominator;
        exercise.exact = Ratio{numerator, slash == '/' ? denominator : 1};
    }
    return exercise;
}

Answer answerOf(const Exercise& exercise, const std::string& typed)
{
    Answer answer;
    if (exercise.shape == AnswerShape::verdict) {
        if (!typed.empty())
            answer.verdict = verdicts.at(typed);
        return answer;
    }
    std::istringstream boxes(typed);
    for (std::string box; std::getline(boxes, box, ';');)
        answer.texts.push_back(unescaped(box));
    return answer;
}

TEST(PracticeAnswers, AreMarkedAsATeacherMarksThem)
{
    const auto rows = tableRows("practice_answers.table", 7);
    EXPECT_GE(rows.size(), 100u);
    for (const TableRow& row : rows) {
        SCOPED_TRACE("practice_answers.table line " + std::to_string(row.line));
        const SpeakingIn language(row.columns[0]);
        const Exercise exercise = exerciseOf(row);
        const Checked checked = check(exercise, answerOf(exercise, row.columns[4]));
        EXPECT_EQ(checked.outcome, outcomes.at(row.columns[5]));
        EXPECT_EQ(checked.note ? working::plainText(*checked.note, currentLanguage()) : "", row.columns[6]);
    }
}

} // namespace
} // namespace vorantis::testing
