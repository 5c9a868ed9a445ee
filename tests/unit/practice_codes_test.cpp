// SPDX-License-Identifier: GPL-3.0-or-later
// Sheet codes read and written; the topics' table; and the seeded generator and the first sheets
// against values computed apart from the program (a few lines of Python after the published
// SplitMix64), so that the page's 32-bit build can be held to the same rows.

#include "practice/levels.h"
#include "practice/numbers.h"
#include "practice/random.h"
#include "practice/sheet.h"
#include "tests/support/tables.h"
#include "working/plain_text.h"

#include <gtest/gtest.h>

namespace vorantis::testing {
namespace {

using namespace practice;

std::string plain(const working::Step& step) { return working::plainText(step, languages().front()); }

TEST(SheetCodes, AreReadForgivingCaseAndBlanksAndNothingElse)
{
    using P = CodeProblem;
    const struct {
        const char* text;
        std::variant<SheetCode, CodeProblem> read;
    } rows[]{
        {"FA3-4821", SheetCode{Topic::fractionSums, 3, 4821}},
        {"  fa3-4821\t", SheetCode{Topic::fractionSums, 3, 4821}},
        {"Pc1-0", SheetCode{Topic::primes, 1, 0}},
        {"wd5-999999", SheetCode{Topic::wholeDivision, 5, 999999}},
        {"SR3-7", SheetCode{Topic::squareRoots, 3, 7}},
        {"", P::empty},
        {" \t ", P::empty},
        {"XX1-5", P::unknownTopic},
        {"F", P::unknownTopic},
        {"F A3-1", P::unknownTopic},
        {"FA", P::noSuchLevel},
        {"FA0-5", P::noSuchLevel},
        {"FA6-5", P::noSuchLevel}, // five levels
        {"PW4-1", P::noSuchLevel}, // three
        {"FAx-1", P::noSuchLevel},
        {"FA3", P::badSeed},
        {"FA3-", P::badSeed},
        {"FA3-1234567", P::badSeed},
        {"FA3-0123", P::badSeed}, // one code a sheet: no 0 before its digits
        {"FA3-05", P::badSeed},
        {"FA3-12a", P::badSeed},
        {"FA3 4821", P::badSeed},
        {"FA3--1", P::badSeed},
        {"FA3-+5", P::badSeed},
        {"FA34821", P::badSeed},
    };
    for (const auto& row : rows) {
        const auto read = readSheetCode(row.text);
        if (const auto* code = std::get_if<SheetCode>(&row.read)) {
            ASSERT_TRUE(std::holds_alternative<SheetCode>(read)) << row.text;
            EXPECT_EQ(std::get<SheetCode>(read), *code) << row.text;
        } else {
            ASSERT_TRUE(std::holds_alternative<UnreadCode>(read)) << row.text;
            EXPECT_EQ(std::get<UnreadCode>(read).problem, std::get<CodeProblem>(row.read)) << row.text;
        }
    }
    EXPECT_EQ(codeText({Topic::fractionSums, 3, 4821}), "FA3-4821");
    EXPECT_EQ(codeText({Topic::primes, 1, 0}), "PC1-0");
}

TEST(SheetCodes, SayInWordsWhyTheyCannotBeRead)
{
    const char* const rows[][2]{
        {" ", "Type the code of a sheet, such as \"FA3-4821\"."},
        {"zz1-1", "\"zz1-1\" does not begin with the two letters of a topic."},
        {"pw9-1", "\"pw9-1\": after its two letters comes a level from 1 to 3."},
        {"FA7-1", "\"FA7-1\": after its two letters comes a level from 1 to 5."},
        {"FA3-x", "\"FA3-x\": after the level comes a dash and a number of up to 6 digits."},
    };
    for (const auto& [typed, said] : rows)
        EXPECT_EQ(plain(problemStep(std::get<UnreadCode>(readSheetCode(typed)))), said) << typed;
}

TEST(Topics, HaveTheirLettersInOrderAndTheirLevelsDescribed)
{
    std::string codes;
    for (const TopicRow& row : topics())
        codes += std::string(row.code) + " ";
    EXPECT_EQ(codes, "FA FS FM FD SF FP WD DA DS DM DD PW SR PC ");
    for (const TopicRow& row : topics()) {
        EXPECT_GE(levelCount(row.topic), row.topic <= Topic::wholeDivision ? 5 : 3) << row.code;
        for (int level = 1; level <= levelCount(row.topic); ++level)
            EXPECT_NO_THROW(plain(levelStep(row.topic, level))) << row.code << level;
    }
    const struct {
        Topic topic;
        int level;
        const char* said;
    } rows[]{{Topic::fractionSums, 1, "Same denominator"},
             {Topic::simplifying, 2, "A common factor from 3 to 5"},
             {Topic::simplifying, 4, "Terms up to 100"},
             {Topic::wholeDivision, 1, "Divisors from 2 to 5, quotients up to 10"},
             {Topic::wholeDivision, 3, "Quotients from 10 to 99"},
             {Topic::powers, 2, "Powers from 1 to 5 of 2 to 10"},
             {Topic::powers, 1, "Squares and cubes of 1 to 25"},
             {Topic::squareRoots, 2, "Whole roots from 51 to 200"},
             {Topic::primes, 3, "Numbers from 100 to 1000 with no prime factor below 7"}};
    for (const auto& row : rows)
        EXPECT_EQ(plain(levelStep(row.topic, row.level)), row.said);
}

TEST(SeededRandom, DrawsWhatTheReferenceSplitMix64Draws)
{
    SeededRandom reference(1234567), zero(0);
    for (const std::uint64_t expected : {6457827717110365317u, 3203168211198807973u, 9817491932198370423u,
                                         4593380528125082431u, 16408922859458223821u})
        EXPECT_EQ(reference.next(), expected);
    EXPECT_EQ(zero.next(), 16294208416658607535u);
    SeededRandom digits(7), signs(7), unit(7);
    for (const std::uint64_t expected : {7, 4, 6, 3, 4, 5})
        EXPECT_EQ(digits.below(10), expected);
    for (const std::int64_t expected : {-1, 0, -3, 0, 2, 3})
        EXPECT_EQ(signs.between(-3, 3), expected);
    // A bound of 1 or 0 has one answer and takes no draw from the source.
    EXPECT_EQ(unit.below(1) + unit.below(0), 0u);
    EXPECT_EQ(unit.below(10), 7u);
}

TEST(Sheets, BeginWithTheExercisesComputedApartFromTheProgram)
{
    EXPECT_EQ(seedOf({Topic::wholeDivision, 1, 4821}), 6288150984011027157u);
    EXPECT_EQ(seedOf({Topic::primes, 2, 999999}), 5783466355064783423u);
    const struct {
        SheetCode code;
        std::vector<std::vector<TypedField>> fields;
    } rows[]{
        {{Topic::wholeDivision, 1, 4821},
         {{{Field::Text23, "26"}, {Field::Text24, "3"}},
          {{Field::Text23, "14"}, {Field::Text24, "2"}},
          {{Field::Text23, "17"}, {Field::Text24, "2"}}}},
        {{Topic::primes, 2, 999999},
         {{{Field::Text9, "0"}},
          {{Field::Text9, "29"}},
          {{Field::Text9, "17"}},
          {{Field::Text9, "100"}},
          {{Field::Text9, "60"}}}},
    };
    for (const auto& row : rows) {
        Sheet sheet(row.code);
        for (const auto& fields : row.fields)
            EXPECT_EQ(sheet.next().fields, fields) << codeText(row.code);
    }
}

// practice_sheets.table, checked apart from the program by practice_sheets_check.py.
TEST(Sheets, GiveTheExercisesOfTheTable)
{
    const auto plain = [](const working::Math& math) {
        return working::plainText(math, languages().front());
    };
    for (const TableRow& row : tableRows("practice_sheets.table", 4)) {
        Sheet sheet(std::get<SheetCode>(readSheetCode(row.columns[0])));
        for (std::size_t i = 1; i < row.columns.size(); ++i) {
            const Exercise exercise = sheet.next();
            EXPECT_EQ(plain(exercise.question) + " → " + plain(exercise.usual), row.columns[i])
                << "practice_sheets.table line " << row.line;
        }
    }
}

TEST(Numbers, AreWrittenExactlyAsDecimals)
{
    const struct {
        Ratio value;
        std::optional<std::string> text;
    } rows[]{{{5, 1}, "5"},
             {{-1, 8}, "-0.125"},
             {{7, 4}, "1.75"},
             {{3, 12}, "0.25"},
             {{-5, -2}, "2.5"},
             {{0, 3}, "0"},
             {{1, 1024}, "0.0009765625"},
             {{1, 3}, std::nullopt},
             {{5, 6}, std::nullopt},
             {{7, 15}, std::nullopt}};
    for (const auto& row : rows)
        EXPECT_EQ(decimalText(row.value), row.text) << row.value.numerator << "/" << row.value.denominator;
}

} // namespace
} // namespace vorantis::testing
