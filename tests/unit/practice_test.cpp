// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil's practice: the hint is the working's first step short of the answer, a second wrong
// answer shows the whole working, the tally counts each exercise once; and a printed sheet holds
// the same exercises with each answer's short working. Every working is compared with the one the
// calculator explains on a form of the tests' own.

#include "practice/calculator.h"
#include "practice/captions.h"
#include "practice/hint.h"
#include "practice/levels.h"
#include "practice/practice.h"
#include "practice/worksheet.h"
#include "tests/support/tables.h"
#include "working/explain.h"
#include "working/plain_text.h"

#include <gtest/gtest.h>

namespace vorantis::testing {
namespace {

using namespace practice;

std::string plain(const working::Step& step) { return working::plainText(step, languages().front()); }

working::Entry explained(const Exercise& exercise)
{
    MemoryForm form;
    for (const auto& [field, text] : exercise.fields)
        form.type(field, text);
    return explain(runClick(procedure(exercise.procedure), form));
}

// The first step of the working, or the topic's tip where it already shows the answer or has none.
TEST(Hints, AreTheWorkingsFirstStepShortOfTheAnswer)
{
    const char* step = "(its first step)";
    const struct {
        const char* topic;
        const char* control;
        const char* typed;
        AnswerShape shape;
        ExactAnswer exact;
        const char* hint;
    } rows[]{
        {"FA", "addfrac", "Text29=1 Text30=2 Text31=1 Text32=3", AnswerShape::fraction, Ratio{5, 6}, step},
        {"FA", "addfrac", "Text29=1 Text30=8 Text31=3 Text32=8", AnswerShape::fraction, Ratio{1, 2}, step},
        {"FA", "addfrac", "Text29=1 Text30=5 Text31=2 Text32=5", AnswerShape::fraction, Ratio{3, 5},
         "Write both fractions over a common denominator, then add the numerators."},
        {"FA", "addfrac", "Text29=-3 Text30=5 Text31=1 Text32=5", AnswerShape::fraction, Ratio{-2, 5},
         "Write both fractions over a common denominator, then add the numerators."},
        {"FS", "subfrac", "Text29=1 Text30=5 Text31=3 Text32=5", AnswerShape::fraction, Ratio{-2, 5},
         "Write both fractions over a common denominator, then subtract the numerators."},
        {"FM", "multifrac", "Text29=1 Text30=2 Text31=1 Text32=3", AnswerShape::fraction, Ratio{1, 6},
         "Multiply the numerators together and the denominators together."},
        {"FM", "multifrac", "Text29=2 Text30=3 Text31=3 Text32=4", AnswerShape::fraction, Ratio{1, 2}, step},
        {"FD", "divfrac", "Text29=1 Text30=2 Text31=1 Text32=4", AnswerShape::fraction, Ratio{2, 1}, step},
        {"SF", "simp", "n=12 d=18", AnswerShape::fraction, Ratio{2, 3}, step},
        {"FP", "fromfrac", "n=3 d=4", AnswerShape::decimal, Ratio{3, 4},
         "A fraction is its numerator divided by its denominator, and a percent is a number of hundredths."},
        {"FP", "fromfrac", "n=3 d=4", AnswerShape::percent, Ratio{75, 1}, step},
        {"FP", "frompercent", "Text2=35", AnswerShape::fraction, Ratio{7, 20}, step},
        {"FP", "frompercent", "Text2=35", AnswerShape::decimal, Ratio{7, 20},
         "A fraction is its numerator divided by its denominator, and a percent is a number of hundredths."},
        {"FP", "fromdec", "Text1=0.5", AnswerShape::percent, Ratio{50, 1},
         "A fraction is its numerator divided by its denominator, and a percent is a number of hundredths."},
        {"WD", "Command3", "Text23=17 Text24=5", AnswerShape::quotientAndRemainder,
         QuotientAndRemainder{3, 2}, step},
        {"PC", "Label17", "Text9=91", AnswerShape::verdict, Verdict::composite, step},
        {"DA", "decadd", "Text20=2.5 Text21=1.5", AnswerShape::decimal, Ratio{4, 1},
         "Write one number under the other with the decimal points in line."},
        {"SR", "Label12", "Text8=144", AnswerShape::wholeNumber, Ratio{12, 1},
         "Which number times itself gives the number under the root?"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.control) + " " + row.typed);
        MemoryForm form;
        typeInto(form, row.typed);
        const working::Entry entry = explain(runClick(*procedureFor(row.control), form));
        const Exercise exercise{
            topicCoded(row.topic)->topic,  1, 0, &currentLanguage(), {}, row.shape, row.exact, {},
            procedureFor(row.control)->id, {}};
        EXPECT_EQ(plain(hintFor(exercise, entry)), row.hint == step ? plain(entry.steps.at(0)) : row.hint);
    }
}

// A right answer as a mixed number, the same as a fraction over twice the terms, a wrong one, an
// empty one.
Answer typed(const Exercise& exercise, char move)
{
    const Ratio value = std::get<Ratio>(exercise.exact);
    if (move == 'r' && value.numerator > value.denominator)
        return {{std::to_string(value.numerator / value.denominator),
                 std::to_string(value.numerator % value.denominator), std::to_string(value.denominator)},
                {}};
    const std::int64_t scale = move == 'f' ? 2 : 1;
    const std::int64_t numerator = value.numerator * scale + (move == 'w' ? 1 : 0);
    if (move == 'u')
        return {{"", "", ""}, {}};
    return {{"", std::to_string(numerator), std::to_string(value.denominator * scale)}, {}};
}

// Moves: r right, f right but not in lowest terms, w wrong, u nothing typed, h hint, s show the
// working, n next exercise.
TEST(Practice, CountsEachExerciseOnceWhenItEnds)
{
    const struct {
        const char* moves;
        Tally tally;
    } rows[]{
        {"r", {1, 0, 0}},    {"hr", {0, 1, 0}},  {"hhr", {0, 1, 0}},
        {"wr", {0, 1, 0}},   {"ww", {0, 0, 1}},  {"whw", {0, 0, 1}},
        {"uwuw", {0, 0, 1}}, {"uur", {1, 0, 0}}, {"s", {0, 0, 1}},
        {"sr", {0, 0, 1}},   {"f", {0, 1, 0}},   {"fw", {0, 1, 0}},
        {"rr", {1, 0, 0}},   {"rw", {1, 0, 0}},  {"rs", {1, 0, 0}},
        {"wwr", {0, 0, 1}},  {"n", {0, 0, 0}},   {"hnr", {1, 0, 0}},
        {"wnwr", {0, 1, 0}}, {"snr", {1, 0, 1}}, {"rnrnwrnwwnsnfnhr", {2, 3, 2}},
    };
    for (const auto& row : rows) {
        Practice practice({Topic::fractionSums, 3, 12});
        for (const char move : std::string(row.moves))
            if (move == 'h')
                practice.hint();
            else if (move == 's')
                practice.showWorking();
            else if (move == 'n')
                practice.next();
            else
                practice.answer(typed(practice.exercise(), move));
        EXPECT_EQ(practice.tally(), row.tally) << row.moves;
    }
}

std::vector<std::string> linesOf(const Reply& reply)
{
    std::vector<std::string> lines;
    for (const working::Step& line : reply.lines)
        lines.push_back(working::plainText(line, *reply.language));
    return lines;
}

TEST(Practice, SaysNotYetWithTheHintThenShowsTheWholeWorking)
{
    Practice practice({Topic::fractionSums, 3, 4821});
    const working::Entry entry = explained(practice.exercise());
    const std::string firstStep = plain(entry.steps.at(0));
    EXPECT_EQ(linesOf(practice.hint()), std::vector<std::string>{firstStep});
    const Reply unread = practice.answer(typed(practice.exercise(), 'u'));
    EXPECT_EQ(unread.outcome, Outcome::unread);
    EXPECT_EQ(linesOf(unread), std::vector<std::string>{"the numerator is empty"});
    const Reply first = practice.answer(typed(practice.exercise(), 'w'));
    EXPECT_EQ(first.outcome, Outcome::notYet);
    EXPECT_EQ(linesOf(first), (std::vector<std::string>{"Not yet.", firstStep}));
    EXPECT_FALSE(first.working);
    const Reply second = practice.answer(typed(practice.exercise(), 'w'));
    EXPECT_EQ(linesOf(second), (std::vector<std::string>{"Not yet.", "Here is the working."}));
    ASSERT_TRUE(second.working);
    EXPECT_EQ(working::plainText(*second.working), working::plainText(entry));
    EXPECT_TRUE(practice.ended());

    practice.next();
    EXPECT_FALSE(practice.ended());
    const Reply shown = practice.showWorking();
    EXPECT_EQ(linesOf(shown), std::vector<std::string>{"Here is the working."});
    EXPECT_EQ(working::plainText(*shown.working), working::plainText(explained(practice.exercise())));
    practice.next();
    const Reply right = practice.answer(typed(practice.exercise(), 'r'));
    EXPECT_EQ(right.outcome, Outcome::right);
    EXPECT_EQ(linesOf(right), std::vector<std::string>{"Right."});
}

TEST(Practice, GivesTheRemaindersOwnHintAndTheNoteOfAnotherForm)
{
    Practice division({Topic::wholeDivision, 1, 4821}); // 26 ÷ 3
    EXPECT_EQ(linesOf(division.answer({{"7", "5"}, {}})),
              (std::vector<std::string>{
                  "Not yet.", "A remainder is always less than the divisor, and 5 is not less than 3."}));
    EXPECT_EQ(linesOf(division.answer({{"8", "2"}, {}})), std::vector<std::string>{"Right."});
    EXPECT_EQ(division.tally(), (Tally{0, 1, 0}));
    Practice sums({Topic::fractionSums, 3, 4821}); // 4/7 + 1/2 = 1 1/14
    EXPECT_EQ(linesOf(sums.answer({{"", "15", "14"}, {}})),
              std::vector<std::string>{"Right: 15/14 is 1 1/14."});
    EXPECT_EQ(sums.tally(), (Tally{1, 0, 0}));
}

TEST(Worksheets, HoldThePracticesExercisesWithTheirAnswersAndShortWorking)
{
    for (const auto& [asked, given] : {std::pair{5, 10}, {10, 10}, {25, 25}, {40, 40}, {41, 40}})
        EXPECT_EQ(worksheet({Topic::powers, 1, 3}, asked).exercises.size(), std::size_t(given)) << asked;
    const Worksheet sheet = worksheet({Topic::wholeDivision, 2, 5}, 12);
    EXPECT_EQ(plain(sheet.title) + " | " + plain(sheet.level) + " | " + plain(sheet.instruction),
              "Dividing with a remainder | Divisors from 2 to 10, quotients up to 12 | Give the quotient and "
              "the remainder.");
    Practice practice(sheet.code);
    for (std::size_t i = 0; i < sheet.exercises.size(); ++i, practice.next()) {
        EXPECT_EQ(sheet.exercises[i].fields, practice.exercise().fields) << i;
        EXPECT_EQ(sheet.key[i].answer, sheet.exercises[i].usual) << i;
    }
    for (const TopicRow& topic : topics())
        for (int level = 1; level <= levelCount(topic.topic); ++level)
            for (const Exercise& exercise : worksheet({topic.topic, level, 1}, 40).exercises) {
                const working::Entry entry = explained(exercise);
                const auto key = shortWorking(exercise, entry);
                ASSERT_TRUE(!key.empty() && key.size() <= 3) << topic.code << level;
                EXPECT_EQ(plain(key.front()),
                          plain(entry.steps.empty() ? *entry.result : entry.steps.front()));
            }
}

// The steps up to the one that shows the answer: where there are more than three, the first two and
// that one; where none shows it, the first three.
TEST(Worksheets, KeepOfTheWorkingItsStepsUpToTheAnswer)
{
    const struct {
        const char* topic;
        const char* control;
        const char* typed;
        AnswerShape shape;
        ExactAnswer exact;
        std::vector<std::string> key;
    } rows[]{
        {"SF",
         "simp",
         "n=12 d=18",
         AnswerShape::fraction,
         Ratio{2, 3},
         {"12 = 2² × 3 and 18 = 2 × 3² share 2 × 3, so their greatest common factor is 6",
          "the calculator finds it as (12 × 18)/36 = 6, with 36 = 2² × 3² their least common multiple",
          "12/18 = (12 ÷ 6)/(18 ÷ 6) = 2/3"}},
        {"FS",
         "subfrac",
         "Text29=-1 Text30=4 Text31=35 Text32=12",
         AnswerShape::fraction,
         Ratio{-19, 6},
         {"the common denominator is 12, a multiple of 4",
          "-3/12 is less than 35/12: -1/4 − 35/12 = -3/12 − 35/12 = -(35/12 − (-3/12)) = -38/12",
          "38/12 = (38 ÷ 2)/(12 ÷ 2) = 19/6"}},
        {"FP", "frompercent", "Text2=5", AnswerShape::decimal, Ratio{1, 20}, {"5 % = 5 ÷ 100 = 0.05"}},
        {"WD",
         "Command3",
         "Text23=329 Text24=6",
         AnswerShape::quotientAndRemainder,
         QuotientAndRemainder{54, 5},
         {"6 × 54 = 324 ≤ 329 < 330 = 6 × 55, so the quotient is 54", "the remainder is 329 − 324 = 5"}},
        {"PC",
         "Label17",
         "Text9=341",
         AnswerShape::verdict,
         Verdict::composite,
         {"341 is not divisible by any of 2, 3, 5, 7", "341 = 11 × 31"}},
        {"DA", "decadd", "Text20=2.5 Text21=1.5", AnswerShape::decimal, Ratio{4, 1}, {"2.5 + 1.5 = 4"}},
        {"SR", "Label12", "Text8=1089", AnswerShape::wholeNumber, Ratio{33, 1}, {"√1089 = 33"}},
    };
    for (const auto& row : rows) {
        MemoryForm form;
        typeInto(form, row.typed);
        const Exercise exercise{
            topicCoded(row.topic)->topic,  1, 0, &currentLanguage(), {}, row.shape, row.exact, {},
            procedureFor(row.control)->id, {}};
        std::vector<std::string> key;
        for (const working::Step& step :
             shortWorking(exercise, explain(runClick(*procedureFor(row.control), form))))
            key.push_back(plain(step));
        EXPECT_EQ(key, row.key) << row.control;
    }
}

// What a front end writes on its buttons, beside its boxes and in its tally, joined by " | ".
TEST(Captions, AreTheWordsOfTheFrontEndsButtonsBoxesAndTally)
{
    const auto joined = [](const auto& items, auto written) {
        std::string text;
        for (const auto& item : items)
            text += (text.empty() ? "" : " | ") + written(item);
        return text;
    };
    const auto math = [](const working::Math& m) { return working::plainText(m, languages().front()); };
    const auto moveCaption = [&](const MoveRow& row) { return math(captionOf(row.move)); };
    const auto boxes = [&](AnswerShape shape) {
        return joined(answerFields(shape), [&](const AnswerField& f) { return math(captionOf(f)); });
    };
    const struct {
        std::string written, said;
    } rows[]{
        {joined(moves(), moveCaption), "Check | Hint | Show Working | Next"},
        {boxes(AnswerShape::fraction), "whole number | numerator | denominator"},
        {boxes(AnswerShape::decimal), "decimal"},
        {boxes(AnswerShape::percent), "percent"},
        {boxes(AnswerShape::wholeNumber), "answer"},
        {boxes(AnswerShape::quotientAndRemainder), "quotient | remainder"},
        {boxes(AnswerShape::verdict), ""},
        {joined(verdictChoices(), [&](const VerdictChoice& c) { return math(captionOf(c)); }),
         "Prime | Composite | Neither"},
        {joined(tallyLines({1, 0, 3}), plain),
         "1 exercise right first time | 0 exercises right after a hint | 3 exercises whose working was "
         "shown"},
        {joined(tallyLines({12, 1, 0}), plain),
         "12 exercises right first time | 1 exercise right after a hint | 0 exercises whose working was "
         "shown"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.written, row.said);
}

} // namespace
} // namespace vorantis::testing
