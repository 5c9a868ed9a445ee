// SPDX-License-Identifier: GPL-3.0-or-later
// The practice room as a pupil meets it: opened from the View menu by its letter, a sheet's code
// typed, answers typed into the boxes and the moves clicked, and what a screen reader gets.

#include "app/practice_pane.h"
#include "app/qt_text.h"
#include "app/working_view.h"
#include "app/worksheet_dialog.h"
#include "practice/calculator.h"
#include "practice/hint.h"
#include "practice/numbers.h"
#include "tests/gui/window_fixture.h"
#include "working/plain_text.h"
#include "working/speech.h"

#include <QAccessible>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>

namespace vorantis {
namespace {

using namespace practice;

// The first exercise of the topic's sheets, by seed, that meets `wanted`.
template <class Wanted> SheetCode firstSheet(Topic topic, int level, Wanted wanted)
{
    for (std::uint32_t seed = 1;; ++seed)
        if (wanted(Practice({topic, level, seed}).exercise()))
            return {topic, level, seed};
}

bool dueIs(const Exercise& exercise, Ratio ratio)
{
    const auto* due = std::get_if<Ratio>(&exercise.exact);
    return due && due->numerator == ratio.numerator && due->denominator == ratio.denominator;
}

// A reply as the room writes it: its lines, then the whole working.
QString written(const Reply& reply)
{
    QStringList lines;
    for (const working::Step& line : reply.lines)
        lines << toQString(working::plainText(line, currentLanguage()));
    if (reply.working)
        lines << toQString(working::plainText(*reply.working));
    return lines.join('\n');
}

class Room : public Window {
protected:
    void SetUp() override
    {
        Window::SetUp();
        key(Qt::Key_V, Qt::AltModifier);
        ASSERT_TRUE(QTest::qWaitFor([this] { return window.findChild<QMenu*>("view")->isVisible(); }, 2000));
        key(Qt::Key_P);
        ASSERT_TRUE(QTest::qWaitFor([this] { return room() && room()->isVisible(); }, 2000));
    }
    PracticePane* room() { return control<PracticePane>("practicePane"); }
    QString nameOf(const QString& widget)
    {
        return QAccessible::queryAccessibleInterface(window.findChild<QWidget*>(widget))
            ->text(QAccessible::Name);
    }
    // What the status line's name says, which a screen reader is told of when it changes.
    QString heard() { return nameOf("failureMessage"); }
    QString reply()
    {
        auto* view = control<WorkingView>("reply");
        return view->plainText(0, view->characterCount());
    }
    void start(const SheetCode& code)
    {
        type("sheetCode", toQString(codeText(code)));
        key(Qt::Key_Return);
    }
};

// The reply in the window and on the bus, to an answer typed or a move, against the library's own
// practice of the same sheet; and a few words written by hand that no library call gives.
struct MoveCase {
    const char* language;
    Topic topic;
    bool (*wanted)(const Exercise&);
    std::vector<std::pair<const char*, std::string>> typed; // box, text; "%d" the due decimal
    const char* move;
    QString firstLine; // English; empty where it is the library's word
    QString tally;
};

TEST_F(Room, AnswersAndMovesGetTheLibrarysReplyWrittenAndAnnounced)
{
    const auto threeQuarters = [](const Exercise& e) { return dueIs(e, {3, 4}); };
    const auto anyDecimal = [](const Exercise& e) { return std::holds_alternative<Ratio>(e.exact); };
    const MoveCase cases[]{
        {"en",
         Topic::fractionSums,
         threeQuarters,
         {{"numerator", "6"}, {"denominator", "8"}},
         "check",
         "Right value: 6/8 is 3/4 in lowest terms.",
         "1 exercise right after a hint"},
        {"en",
         Topic::fractionSums,
         threeQuarters,
         {{"numerator", "3"}, {"denominator", "5"}},
         "check",
         "Not yet.",
         "0 exercises right first time"},
        {"en",
         Topic::fractionSums,
         threeQuarters,
         {},
         "showWorking",
         "Here is the working.",
         "1 exercise whose working was shown"},
        {"de", Topic::decimalSums, anyDecimal, {{"decimal", "%d"}}, "check", "", ""},
        {"de", Topic::decimalSums, anyDecimal, {}, "showWorking", "", ""},
    };
    for (const MoveCase& row : cases) {
        SCOPED_TRACE(std::string(row.language) + " " + row.move);
        if (row.language != currentLanguage().code)
            speak(row.language);
        const SheetCode code = firstSheet(row.topic, 1, row.wanted);
        start(code);
        Practice library(code);
        Answer answer{{"", "", ""}, {}};
        for (const auto& [box, text] : row.typed) {
            QString typed = toQString(text);
            if (text == "%d") // the due decimal, with the language's decimal mark
                typed = toQString(*decimalText(std::get<Ratio>(library.exercise().exact))).replace('.', ',');
            type(box, typed);
            answer.texts[box == std::string("denominator")     ? 2
                             : box == std::string("numerator") ? 1
                                                               : 0] = typed.toStdString();
        }
        click(row.move);
        const Reply due = row.move == std::string("check") ? library.answer(answer) : library.showWorking();
        EXPECT_EQ(reply(), written(due));
        if (!row.firstLine.isEmpty()) {
            EXPECT_EQ(written(due).section('\n', 0, 0), row.firstLine);
        }
        if (row.move == std::string("check") && row.language == std::string("de")) {
            EXPECT_TRUE(answer.texts[0].find(',') != std::string::npos && due.outcome == Outcome::right);
        }
        if (row.move == std::string("showWorking") && row.language == std::string("de")) {
            EXPECT_TRUE(reply().contains(',')) << reply().toStdString();
        }
        if (!row.tally.isEmpty()) {
            EXPECT_TRUE(caption("tally").contains(row.tally)) << caption("tally").toStdString();
        }
        EXPECT_TRUE(heard().startsWith(toQString(working::spoken(due.lines.front(), currentLanguage()))))
            << heard().toStdString();
    }
    speak("en");
}

// A code typed and Enter: the library's sheet of that code, its topic and level chosen; a code that
// cannot be read says why, in the window and on the bus, and leaves the exercise as it was.
TEST_F(Room, ASheetCodeTypedGivesTheLibrarysExerciseAndABadOneSaysWhy)
{
    const std::pair<const char*, bool> codes[]{{"FA3-4821", true}, {" pc2-77 ", true}, {"FA9-1", false},
                                               {"XY1-1", false},   {"FA3-", false},    {"", false}};
    for (const auto& [typed, read] : codes) {
        SCOPED_TRACE(typed);
        const QString before = nameOf("exercise");
        type("sheetCode", typed);
        key(Qt::Key_Return);
        const auto code = readSheetCode(typed);
        ASSERT_EQ(std::holds_alternative<SheetCode>(code), read);
        if (const auto* sheet = std::get_if<SheetCode>(&code)) {
            const Practice library(*sheet);
            EXPECT_EQ(nameOf("exercise"),
                      toQString(working::spoken(library.exercise().question, *library.exercise().language)));
            EXPECT_EQ(QAccessible::queryAccessibleInterface(control("exercise"))->role(),
                      QAccessible::StaticText);
            EXPECT_EQ(control<QComboBox>("topic")->currentText(),
                      toQString(working::plainText(practice::nameOf(sheet->topic), currentLanguage())));
            EXPECT_EQ(control<QComboBox>("level")->currentIndex(), sheet->level - 1);
            EXPECT_EQ(reply(), "");
            EXPECT_EQ(heard(), nameOf("exercise"));
        } else {
            const working::Step why = problemStep(std::get<UnreadCode>(code));
            EXPECT_EQ(nameOf("exercise"), before);
            EXPECT_EQ(reply(), toQString(working::plainText(why, currentLanguage())));
            EXPECT_EQ(heard(), toQString(working::spoken(why, currentLanguage())));
        }
    }
}

// Each box named by its caption, as a screen reader finds it; Enter in a box checks the answer.
TEST_F(Room, TheBoxesAreShapedLikeTheAnswerAndNamedByTheirCaptions)
{
    const std::pair<const char*, QStringList> shapes[]{
        {"FA1-1", {"whole number", "numerator", "denominator"}},
        {"WD1-1", {"quotient", "remainder"}},
        {"DA1-1", {"decimal"}},
        {"PC1-1", {"Prime", "Composite", "Neither"}},
        {"PC2-5", {"Prime", "Composite", "Neither"}}, // caught choices made anew over choices
    };
    for (const auto& [code, names] : shapes) {
        SCOPED_TRACE(code);
        type("sheetCode", code);
        key(Qt::Key_Return);
        for (const QString& name : names)
            ASSERT_TRUE(control(QString(name).replace(' ', '_'))) << name.toStdString();
        for (const QString& name : names)
            EXPECT_EQ(nameOf(QString(name).replace(' ', '_')), name);
        if (names.size() < 3 || names[0] != "Prime") {
            type(QString(names.back()).replace(' ', '_'), "1");
            key(Qt::Key_Return);
            EXPECT_FALSE(reply().isEmpty()) << "Enter in a box checked nothing";
        }
    }
}

// The room says the same sheet again in a new language, at the same exercise, and grows with the
// zoom, its exercise half as large again as its words and more.
TEST_F(Room, TheRoomFollowsTheLanguageAndTheZoom)
{
    type("sheetCode", "DM2-31");
    key(Qt::Key_Return);
    click("next");
    speak("de");
    Practice library({Topic::decimalProducts, 2, 31});
    library.next();
    EXPECT_EQ(nameOf("exercise"), toQString(working::spoken(library.exercise().question, currentLanguage())));
    EXPECT_EQ(text("sheetCode"), "DM2-31");
    speak("en");
    EXPECT_TRUE(readViewSettings()->practice);
    const qreal before = room()->font().pointSizeF();
    key(Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_GT(room()->font().pointSizeF(), before);
    EXPECT_GE(control("exercise")->font().pointSizeF(), 1.5 * room()->font().pointSizeF());
}

// Ctrl+P: the room's own sheet to print, 20 exercises; a code that cannot be read says why when
// the sheet is asked for, and nothing opens.
TEST_F(Room, PrintWorksheetStartsAtTheRoomsSheetAndSaysWhyABadCodeCannotBePrinted)
{
    type("sheetCode", "SF2-9");
    key(Qt::Key_Return);
    const bool came = answerModal<WorksheetDialog>(
        [this] { key(Qt::Key_P, Qt::ControlModifier); },
        [](WorksheetDialog* dialog) {
            auto* code = dialog->findChild<QLineEdit*>("sheetCode");
            EXPECT_EQ(code->text(), "SF2-9");
            EXPECT_EQ(dialog->findChild<QSpinBox*>("exercises")->value(), 20);
            code->setText("XY1-1");
            QPushButton* preview = nullptr;
            for (QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->text() ==
                    toQString(working::plainText(roomWords(RoomText::preview), currentLanguage())))
                    preview = button;
            ASSERT_TRUE(preview);
            QTest::mouseClick(dialog->windowHandle(), Qt::LeftButton, {},
                              preview->mapTo(dialog, preview->rect().center()));
            const auto unread = std::get<UnreadCode>(readSheetCode("XY1-1"));
            EXPECT_EQ(dialog->findChild<QLabel*>("problem")->text(),
                      toQString(working::plainText(problemStep(unread), currentLanguage())));
            EXPECT_EQ(QApplication::activeModalWidget(), dialog);
            dialog->reject();
        });
    EXPECT_TRUE(came);
}

} // namespace
} // namespace vorantis
