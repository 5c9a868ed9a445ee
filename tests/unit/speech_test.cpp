// SPDX-License-Identifier: GPL-3.0-or-later
// The golden tables of spoken mathematics, po/<code>.golden, one per language, each read and
// signed off by a person of that language. A row: what is written, "|", what is said. What is
// written is mathematics in a short notation (below), or a click: "click", the control, its
// typed fields, and the line of its entry that is said ("heading", "step N", "answer").

#include "language/language.h"
#include "tests/support/tables.h"
#include "working/explain.h"
#include "working/speech.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace vorantis::testing {
namespace {

using working::Math;

// The notation: terms apart by blanks, side by side in a row: a number as the language writes
// it (-0,125); n/d a fraction of two numbers; w&n/d a mixed number; b^e a power; √x a root; a
// sign (+ − × ÷ = < ≤ > ≥ % ( )); [words] English words; {a, b, c} a list.
Math written(const std::string& text);

Math term(const std::string& token)
{
    if (token.starts_with('[') && token.ends_with(']'))
        return working::words(token.substr(1, token.size() - 2));
    if (const auto amp = token.find('&'); amp != std::string::npos)
        return working::row({term(token.substr(0, amp)), term(token.substr(amp + 1))});
    if (token.starts_with("√"))
        return working::root(term(token.substr(std::string_view("√").size())));
    if (const auto caret = token.find('^'); caret != std::string::npos)
        return working::power(term(token.substr(0, caret)), term(token.substr(caret + 1)));
    if (const auto slash = token.find('/'); slash != std::string::npos && slash > 0)
        return working::fraction(term(token.substr(0, slash)), term(token.substr(slash + 1)));
    for (const std::string_view sign : {"+", "−", "×", "÷", "=", "<", "≤", ">", "≥", "%", "(", ")"})
        if (token == sign)
            return working::sign(sign);
    return working::number(token);
}

Math written(const std::string& text)
{
    if (text.starts_with('{') && text.ends_with('}')) {
        std::vector<Math> items;
        std::istringstream split(text.substr(1, text.size() - 2));
        for (std::string item; std::getline(split, item, ',');)
            items.push_back(written(item.substr(item.find_first_not_of(' '))));
        return working::list(std::move(items));
    }
    std::vector<Math> parts;
    std::istringstream tokens(text);
    for (std::string token; tokens >> token;)
        parts.push_back(term(token));
    return parts.size() == 1 ? parts.front() : working::row(std::move(parts));
}

// "click addfrac Text29=1 Text30=2 ... answer": the line of the click's entry that is said, or
// with "whole" the entry itself.
std::string clicked(const std::string& text)
{
    std::istringstream words(text.substr(std::string_view("click ").size()));
    std::string control, word, typed, line;
    words >> control;
    while (words >> word && word.find('=') != std::string::npos)
        typed += word + " ";
    line = word;
    int step = 0;
    words >> step;
    MemoryForm form;
    typeInto(form, typed);
    const working::Entry entry = explain(runClick(*procedureFor(control), form));
    if (line == "whole") // as it is read aloud and announced: every line a sentence
        return working::spoken(entry);
    const working::Step& said = line == "heading" ? entry.heading
        : line == "answer"                        ? *entry.result
                                                  : entry.steps.at(static_cast<std::size_t>(step - 1));
    return working::spoken(said, *entry.language);
}

TEST(Speech, SaysEveryRowOfEachLanguagesGoldenTableAsItsPeopleSayIt)
{
    for (const Language& language : languages()) {
        SCOPED_TRACE(std::string(language.code));
        const SpeakingIn speaking(language.code);
        std::ifstream table(std::string(VORANTIS_TESTS_DIR) + "/../po/" + std::string(language.code) +
                            ".golden");
        int rows = 0, number = 0;
        for (std::string line; std::getline(table, line);) {
            ++number;
            if (line.empty() || line.starts_with('#'))
                continue;
            const auto bar = line.find(" | ");
            ASSERT_NE(bar, std::string::npos) << "line " << number;
            const std::string what = line.substr(0, bar), said = line.substr(bar + 3);
            EXPECT_EQ(what.starts_with("click ") ? clicked(what) : working::spoken(written(what), language),
                      said)
                << language.code << ".golden line " << number;
            ++rows;
        }
        EXPECT_GE(rows, 150) << "a golden table covers every kind of mathematics";
    }
}

TEST(Speech, AFailureSaidAfterItsHeadingBeginsWithACapitalInEveryLanguagesLetters)
{
    const struct {
        const char* written;
        const char* said;
    } rows[] = {
        {"the right operand is 0", "The right operand is 0"},
        {"a", "A"},
        {"z", "Z"},
        {"élève", "Élève"},
        {"über", "Über"},
        {"ñ", "Ñ"},
        {"à", "À"},
        {"þ", "Þ"},
        {"Already a capital", "Already a capital"},
        {"Über", "Über"},
        {"97 × 2147483647 is too large", "97 × 2147483647 is too large"},
        {"«x» is no number", "«x» is no number"},
        {"÷ 2", "÷ 2"}, // a sign between the letters
        {"ß", "ß"}, // no capital of one letter
        {"ÿ", "ÿ"}, // its capital is outside Latin-1
        {"`a", "`a"},
        {"{a", "{a"},
        {"\xC3", "\xC3"}, // a letter cut short
        {"", ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(working::asSentence(row.written), row.said) << row.written;
}

} // namespace
} // namespace vorantis::testing
