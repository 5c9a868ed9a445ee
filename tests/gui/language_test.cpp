// SPDX-License-Identifier: GPL-3.0-or-later
// The clicks of languages.table through the window, each language chosen in View > Language:
// what the window shows at the end of each, and the failure in the status line.

#include "app/qt_text.h"
#include "tests/gui/window_fixture.h"
#include "tests/support/tables.h"

#include <QPlainTextEdit>
#include <QTextBlock>

#include <map>
#include <sstream>

namespace vorantis {
namespace {

TEST_F(Window, EveryClickOfTheLanguagesTableShowsWhatItsRowSays)
{
    std::string speaking = "en";
    for (const testing::TableRow& row : testing::tableRows("languages.table", 5)) {
        SCOPED_TRACE("languages.table line " + std::to_string(row.line));
        if (row.columns[0] != speaking)
            speak(toQString(speaking = row.columns[0]));
        click("clear21");
        std::istringstream typed(row.columns[2]);
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
            const QString entry = control<QPlainTextEdit>("working")->document()->lastBlock().text();
            EXPECT_EQ(entry.trimmed().replace(QChar::LineSeparator, '\n').toStdString(),
                      testing::unescaped(row.columns[5]));
        }
    }
    speak("en");
}

} // namespace
} // namespace vorantis
