// SPDX-License-Identifier: GPL-3.0-or-later
// The languages: the clicks of languages.table in each, the catalogues against their English,
// and the choice of a language from what a system or a browser prefers.

#include "core/convert.h"
#include "language/catalogue.h"
#include "panels/procedures.h"
#include "tests/support/tables.h"
#include "working/explain.h"
#include "working/plain_text.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <stdexcept>

namespace vorantis::testing {
namespace {

TEST(Languages, EveryClickOfTheTableWritesAndSaysWhatItsRowSays)
{
    MemoryForm form;
    const Language* before = &languages().front();
    for (const TableRow& row : tableRows("languages.table", 6)) {
        SCOPED_TRACE("languages.table line " + std::to_string(row.line));
        ASSERT_LE(row.columns.size(), 6u); // a column too many would leave the entry unread
        const SpeakingIn language(row.columns[0]);
        if (row.columns[2] == keptFields) { // what the row before left, as a front end respells it
            for (const Field field : allFields)
                form.type(field, respelled(form.text(field), *before));
        } else {
            form = MemoryForm();
            typeInto(form, row.columns[2]);
        }
        before = &currentLanguage();
        const ClickOutcome outcome = clickOn(row.columns[1], form);
        EXPECT_EQ(outcome.writes, row.columns[3]);
        const std::string& failure = row.columns[4];
        EXPECT_TRUE(failure.empty() ? outcome.failure.empty() : outcome.failure.starts_with(failure))
            << outcome.failure;
        if (!row.columns[5].empty() && row.columns[2] != keptFields) {
            MemoryForm again;
            typeInto(again, row.columns[2]);
            EXPECT_EQ(working::plainText(explain(runClick(*procedureFor(row.columns[1]), again))),
                      unescaped(row.columns[5]));
        }
    }
}

// A translator may order a sentence's placeholders as the language needs, but keeps each one.
TEST(Catalogues, KeepEveryPlaceholderOfTheirEnglish)
{
    const std::regex placeholder(R"(\{[^{}]+\})");
    const auto placeholders = [&](std::string_view text) {
        std::set<std::string> found;
        for (std::cregex_iterator it(text.begin(), text.end(), placeholder), end; it != end; ++it)
            found.insert(it->str());
        return found;
    };
    ASSERT_EQ(catalogue::compiled.size(), languages().size());
    for (const catalogue::Catalogue& language : catalogue::compiled.subspan(1)) {
        ASSERT_GT(language.entries.size(), 100u) << language.code;
        for (const catalogue::Entry& entry : language.entries) {
            const std::string_view english = entry.english.substr(entry.english.find('\x04') + 1);
            EXPECT_EQ(placeholders(entry.texts[0]), placeholders(english))
                << language.code << ": " << english;
            if (!entry.englishPlural.empty()) {
                EXPECT_EQ(placeholders(entry.texts[1]), placeholders(entry.englishPlural)) << english;
            }
        }
    }
}

// A sentence whose placeholder has no value is the program's fault, never a text with braces in
// it shown to a pupil; a file that is no language's words is refused.
TEST(Languages, RefuseAPlaceholderWithoutAValueAndAFileOfNoLanguage)
{
    EXPECT_THROW(fill("{field} is empty", {{"number", "1"}}), std::logic_error);
    EXPECT_EQ(fill("{a} and {b}", {{"b", "2"}, {"a", "1"}}), "1 and 2");
    for (const char* text : {"",
                             "de\x1f"
                             "0\x1e",
                             "xx\x1f"
                             "0\x1e",
                             "nl\x1f"
                             "0\x1eq\x1f"
                             "bad\x1e",
                             "fr"})
        EXPECT_FALSE(loadLanguage(text)) << text; // German's words are here already; xx is no language
}

// After a change of language a number on view is written with the new mark and the new word for
// an infinite value, so that it reads back to the same value; any other text stays as it is.
TEST(Languages, RespellANumberWrittenInAnotherSoThatItReadsTheSame)
{
    const char* const rows[][4]{{"de", "en", "0,125", "0.125"},     {"de", "en", "-Unendlich", "-Infinity"},
                                {"en", "de", "1.000", "1,000"},     {"en", "fr", "Infinity", "Infini"},
                                {"fr", "nl", " 2,5E3 ", " 2,5E3 "}, {"nl", "en", "2.5", "2.5"},
                                {"de", "en", "1.000", "1.000"},     {"en", "de", "0,5", "0,5"},
                                {"de", "es", "x,5", "x,5"},         {"en", "de", "", ""}};
    for (const auto& [from, to, text, expected] : rows) {
        const SpeakingIn speaking(to);
        EXPECT_EQ(respelled(text, *languageCoded(from)), expected) << from << " " << text << " in " << to;
    }
}

// The status line says a failure or a note after the panel's name, again in another language.
TEST(StatusLine, SaysTheFailureOrTheNoteAfterThePanelInTheLanguageInUse)
{
    const char* const rows[][4]{
        {"mecdiv", "Text20=1 Text21=0", "en",
         "Add, Subtract, Multiply, and Divide: the right operand is 0, and no number can be divided by 0"},
        {"decmulti", "Text20=1e308 Text21=10", "en",
         "Add, Subtract, Multiply, and Divide: the result is beyond the largest number the calculator holds "
         "(about 1.8E+308)"},
        {"decmulti", "Text20=1e308 Text21=10", "de",
         "Plus, minus, mal und geteilt: das Ergebnis ist größer als die größte Zahl, die der Rechner kennt "
         "(etwa 1,8E+308)"},
        {"decadd", "Text20=2 Text21=3", "en", ""}};
    for (const auto& [control, typed, code, said] : rows) {
        MemoryForm form;
        typeInto(form, typed);
        const Click click = runClick(*procedureFor(control), form);
        const SpeakingIn speaking(code);
        EXPECT_EQ(statusLine(click), said);
    }
}

TEST(Languages, AreChosenFromWhatTheSystemOrTheBrowserPrefers)
{
    const char* const rows[][2]{{"de_DE.UTF-8", "de"}, {"fr-CA,fr;q=0.9,en;q=0.8", "fr"},
                                {"pt_BR:es:de", "es"}, {"nl-BE", "nl"},
                                {"C", "en"},           {"", "en"},
                                {"ja,zh", "en"},       {"EN-gb", "en"},
                                {"de-AT,fr", "de"}};
    for (const auto& [preferences, code] : rows)
        EXPECT_EQ(languageFor(preferences).code, code) << preferences;
}

} // namespace
} // namespace vorantis::testing
