// SPDX-License-Identifier: GPL-3.0-or-later
// The clicks of languages.table through the window, each language chosen in View > Language:
// what the window shows at the end of each, and the failure in the status line.

#include "app/language_choice.h"
#include "app/qt_text.h"
#include "app/working_view.h"
#include "layout/texts.h"
#include "tests/gui/environment.h"
#include "tests/gui/window_fixture.h"
#include "tests/support/tables.h"

#include <QTextBlock>

#include <array>
#include <map>
#include <optional>
#include <sstream>
#include <tuple>

namespace vorantis {
namespace {

TEST_F(Window, EveryClickOfTheLanguagesTableShowsWhatItsRowSays)
{
    std::string speaking = "en";
    for (const testing::TableRow& row : testing::tableRows("languages.table", 5)) {
        SCOPED_TRACE("languages.table line " + std::to_string(row.line));
        if (row.columns[0] != speaking)
            speak(toQString(speaking = row.columns[0]));
        const bool kept = row.columns[2] == testing::keptFields;
        if (!kept)
            click("clear21");
        std::istringstream typed(kept ? std::string() : row.columns[2]);
        for (std::string pair; typed >> pair;)
            type(toQString(pair.substr(0, pair.find('='))),
                 toQString(testing::unescaped(pair.substr(pair.find('=') + 1))));
        click(toQString(row.columns[1]));
        std::map<std::string, std::string> last; // what each control shows once the click is over
        std::istringstream writes(row.columns[3]);
        for (std::string pair; writes >> pair;)
            last[pair.substr(0, pair.find('='))] = pair.substr(pair.find('=') + 1);
        for (const auto& [name, value] : last) {
            QWidget* shown = control(toQString(name));
            const auto* field = qobject_cast<QLineEdit*>(shown);
            const QString got = field                   ? field->text()
                : value == "shown" || value == "hidden" ? QString(shown->isVisible() ? "shown" : "hidden")
                                                        : caption(toQString(name));
            EXPECT_EQ(got.toStdString(), value) << name;
        }
        const std::string& failure = row.columns[4];
        EXPECT_TRUE(failure.empty()
                        ? window.failureMessage().isEmpty()
                        : window.failureMessage().contains(toQString(failure.substr(failure.find(": ") + 2))))
            << window.failureMessage().toStdString();
        if (row.columns.size() > 5 && !row.columns[5].empty()) { // the working, as the pane shows it
            if (!control("working") || !control("working")->isVisible())
                choose("view", "working");
            auto* view = control<WorkingView>("working");
            const std::vector<QTextBlock> blocks = view->newestEntry();
            const QString entry = view->plainText(blocks.front().position(),
                                                  blocks.back().position() + blocks.back().length() - 1);
            EXPECT_EQ(entry.toStdString(), testing::unescaped(row.columns[5]));
        }
    }
    speak("en");
}

// A change of language says again what is on view: the numbers with the new decimal mark, so
// that they read back to what they were, and the status line and the marks in the new words.
TEST_F(Window, AChangeOfLanguageRespellsTheNumbersAndSaysTheStatusLineAgain)
{
    type("Text8", "2.25");
    click("Label12");
    type("Text23", "7.5");
    type("Text24", "0");
    click("Command3");
    const QString english = window.failureMessage();
    speak("de");
    EXPECT_EQ(text("Text8"), "2,25");
    EXPECT_EQ(caption("Label12"), "1,5");
    EXPECT_EQ(text("Text23"), "7,5");
    EXPECT_TRUE(window.failureMessage().contains("der Divisor ist 0"))
        << window.failureMessage().toStdString();
    EXPECT_EQ(control("Text3")->accessibleDescription().toStdString(), trIn(*languageCoded("de"), staleNote));
    speak("en");
    EXPECT_EQ(window.failureMessage(), english);
    EXPECT_EQ(text("Text23"), "7.5");
}

// The locale's variables as a terminal sets them; nothing: unset.
constexpr std::array<const char*, 4> localeVariables{"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"};
using LocaleValues = std::array<std::optional<QByteArray>, 4>;

void setLocaleVariables(const LocaleValues& values)
{
    for (std::size_t i = 0; i < localeVariables.size(); ++i)
        testing::setVariable(localeVariables[i], values[i]);
}

TEST(SystemLanguage, IsTheFirstOfTheLocalesVariablesThatIsSet)
{
    const std::nullopt_t unset = std::nullopt;
    const struct {
        LocaleValues values; // LC_ALL, LC_MESSAGES, LANG, LANGUAGE
        const char* code;
    } rows[]{
        {{unset, unset, "de_DE.UTF-8", unset}, "de"},
        {{"fr_FR.UTF-8", "de_DE.UTF-8", "nl_NL.UTF-8", unset}, "fr"},
        {{unset, "es_ES.UTF-8", "de_DE.UTF-8", unset}, "es"},
        {{"", unset, "nl_BE.UTF-8", unset}, "nl"}, // set but empty: as if unset
        {{unset, unset, "de_DE.UTF-8", "fr:de"}, "fr"}, // the list of preferences first
        {{unset, unset, "C.UTF-8", "fr"}, "en"}, // a C locale speaks English whatever the list
        {{"POSIX", unset, "de_DE.UTF-8", unset}, "en"},
        {{unset, unset, unset, "es"}, "es"},
        {{unset, unset, "ja_JP.UTF-8", unset}, "en"},
        {{unset, unset, unset, unset}, "en"},
    };
    const testing::SavedVariables restored(localeVariables);
    for (const auto& row : rows) {
        setLocaleVariables(row.values);
        EXPECT_EQ(systemLanguage().code, row.code) << row.values[2].value_or("(unset)").toStdString();
    }
}

// Started from a German terminal: the menus and the captions in German, and English again for
// the next window once the system speaks it.
TEST(SystemLanguage, IsWhatAFirstStartedWindowSpeaks)
{
    const testing::SavedVariables restored(localeVariables);
    const FirstStart firstStart;
    for (const auto& [locale, file, label8] :
         {std::tuple{"de_DE.UTF-8", "&Datei", "Bruch"}, {"C.UTF-8", "&File", "Fraction"}}) {
        setLocaleVariables({std::nullopt, std::nullopt, locale, std::nullopt});
        speak(systemLanguage());
        const MainWindow window;
        EXPECT_EQ(window.findChild<QMenu*>("file")->title(), file) << locale;
        EXPECT_EQ(window.findChild<QLabel*>("Label8")->text(), label8) << locale;
    }
}

} // namespace
} // namespace vorantis
