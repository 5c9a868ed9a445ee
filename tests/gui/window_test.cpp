// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a person uses it.

#include "app/one_line_label.h"
#include "app/qt_text.h"
#include "language/language.h"
#include "layout/control_table.h"
#include "layout/panels.h"
#include "panels/procedures.h"
#include "tests/gui/window_fixture.h"

#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace vorantis {
namespace {

// Every field holds a text that is no number: a panel's control then says why in the status
// line, the Clear button empties the fields, and a label or button that starts nothing
// leaves the window as it was.
TEST_F(Window, EveryControlAnswersAClickOnItsCaptionAndNoOtherDoes)
{
    int answered = 0;
    for (const ControlRow& row : controlTable()) {
        const QString name = toQString(row.name);
        if ((row.kind != ControlKind::Button && row.kind != ControlKind::Label) ||
            !control(name)->isVisible())
            continue;
        // A caption outside the window, or behind a field or a button, is not there to click.
        const QPoint aim = aimAt(control(name));
        QWidget* there = window.childAt(aim);
        if (!window.rect().contains(aim) ||
            (there != control(name) &&
             (qobject_cast<QLineEdit*>(there) || qobject_cast<QPushButton*>(there))))
            continue;
        SCOPED_TRACE(row.name.data());
        for (const Field field : allFields)
            if (control(toQString(controlName(field)))->isVisible())
                type(toQString(controlName(field)), "x");
        click(name);
        const bool answer = !window.failureMessage().isEmpty() || text("n").isEmpty();
        EXPECT_EQ(answer, procedureFor(row.name) != nullptr);
        answered += answer;
        click("clear21"); // also clears the status line
    }
    EXPECT_EQ(answered, 17);
}

TEST_F(Window, TabVisitsFieldsThenButtonsAndSpacePressesTheFocusedOne)
{
    // clang-format off
    const QStringList order{"n", "d", "Text1", "Text2", "Text5", "Text6", "Text8", "Text9", "Text13", "Text14",
        "Text15", "Text29", "Text30", "Text31", "Text32", "Text33", "Text34", "Text20", "Text21", "Text22",
        "fromfrac", "fromdec", "frompercent", "simp", "addfrac", "subfrac", "multifrac", "divfrac", "decsub",
        "decmulti", "mecdiv", "decadd", "clear21", "calcsquare", "Text3", "Text4", "Text23", "Text24", "Command3", "n"};
    // clang-format on
    QStringList visited{focused()};
    for (int i = 1; i < order.size(); ++i) {
        key(Qt::Key_Tab);
        visited << focused();
    }
    EXPECT_EQ(visited, order);

    type("Text20", "2");
    type("Text21", "3");
    while (focused() != "decsub" && visited.size() < 100) {
        key(Qt::Key_Tab);
        visited << focused();
    }
    key(Qt::Key_Space);
    EXPECT_EQ(text("Text22"), "-1");

    // With the working shown, Tab goes on from Solve through the pane and back to the start.
    choose("view", "working");
    click("Command3");
    ASSERT_EQ(focused(), "Command3");
    QStringList pane;
    for (int i = 0; i < 5; ++i) {
        key(Qt::Key_Tab);
        pane << focused();
    }
    EXPECT_EQ(pane, QStringList({"copyAll", "saveAs", "clearWorking", "working", "n"}));
}

TEST_F(Window, ResultsShowTheirStartAndEveryMessageKeepsToOneLine)
{
    type("n", "2");
    type("d", "3");
    click("fromfrac");
    auto* decimal = control<QLineEdit>("Text1");
    EXPECT_EQ(decimal->cursorPosition(), 0);
    EXPECT_EQ(decimal->toolTip(), "0.666666666666667");

    type("Text8", "0.00002");
    key(Qt::Key_Enter, Qt::KeypadModifier);
    auto* root = control<OneLineLabel>("Label12");
    EXPECT_EQ(root->text(), "0.00447213595499958"); // whole for a screen reader, cut on screen
    EXPECT_TRUE(root->isCut() && root->toolTip().startsWith("0.00447213595499958\n"));

    const QSize size = window.size();
    QApplication::clipboard()->setText("7\n");
    type("Text9", "");
    key(Qt::Key_V, Qt::ControlModifier);
    key(Qt::Key_Return);
    EXPECT_TRUE(window.failureMessage().endsWith("the number to test, \"7¶\", is not a number"));
    QApplication::clipboard()->setText(QString(5000, '9') + "x");
    type("Text20", "");
    key(Qt::Key_V, Qt::ControlModifier);
    click("decadd");
    EXPECT_TRUE(window.failureMessage().contains("the left operand, \"99999999999…9999999999x\", is not"));
    EXPECT_EQ(window.size(), size);

    type("Text9", "7"); // a click on the word "Check", which a heading above it once took
    click("Label17");
    EXPECT_EQ(caption("Label17"), "Prime");
    EXPECT_EQ(window.failureMessage(), "");
    type("Text9", "9");
    key(Qt::Key_Return);
    EXPECT_EQ(caption("Label17"), "Composite");
    key(Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return window.findChild<QMenu*>("file")->isVisible(); }, 2000));
    key(Qt::Key_Escape);
    EXPECT_EQ(text("Text9"), "9"); // Alt+F typed no "f"
}

// 17 ÷ 0 beside the "3 remainder 2" of 17 ÷ 5: the kept result is marked as not this click's.
TEST_F(Window, AResultLeftFromAnEarlierClickIsMarkedBesideAFailure)
{
    const auto marked = [this](const QString& field) {
        return control(field)->palette().color(QPalette::Text) !=
            control("Text23")->palette().color(QPalette::Text) &&
            control(field)->font().italic() && !control(field)->accessibleDescription().isEmpty();
    };
    type("Text23", "17");
    type("Text24", "5");
    click("Command3");
    type("Text24", "0");
    click("Command3");
    EXPECT_TRUE(text("Text3") == "3" && marked("Text3") && marked("Text4"));
    type("Text3", "9"); // typed over, it is the pupil's own
    EXPECT_FALSE(marked("Text3"));
    EXPECT_TRUE(marked("Text4"));
    type("Text24", "5");
    click("Command3");
    EXPECT_FALSE(marked("Text3") || marked("Text4"));
}

// Every caption with a word in it fits its place, in every language and at every zoom: a
// heading within its rectangle as it wraps, a button's on its one line, and each word a
// clickable label can show (its caption, a verdict) on the label's one line; and a label's words
// run into no field or button beside it, which lie above labels and would hide them.
TEST_F(Window, EveryCaptionFitsItsPlaceInEveryLanguageAtEveryZoom)
{
    // Where a control is drawn above the labels: a field's or a button's box, a clickable
    // label's caption; nowhere for a label that only displays.
    const auto drawnArea = [this](const ControlRow& row) {
        QWidget* widget = control(toQString(row.name));
        if (row.kind == ControlKind::TextField || row.kind == ControlKind::Button)
            return widget->geometry();
        if (row.kind != ControlKind::Label || !procedureFor(row.name))
            return QRect();
        const QString shown = qobject_cast<QLabel*>(widget)->text();
        return QRect(widget->pos(),
                     QSize(widget->fontMetrics().horizontalAdvance(shown), widget->fontMetrics().height()));
    };
    const auto unseen = unseenControls();
    const auto seen = [&](const ControlRow& row) {
        return std::find(unseen.begin(), unseen.end(), row.name) == unseen.end() && !row.startsHidden;
    };
    for (const Language& language : languages()) {
        speak(toQString(language.code));
        SCOPED_TRACE(language.code.data());
        for (int zoom = 100; zoom <= 200; zoom += 25, key(Qt::Key_Plus, Qt::ControlModifier)) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return window.width() == 8 * zoom; }, 2000)) << zoom;
            for (const ControlRow& row : controlTable()) {
                QWidget* widget = control(toQString(row.name));
                const QString caption = toQString(captionOf(row));
                if (!caption.contains(QRegularExpression("\\w")) || caption.contains('_') || !seen(row))
                    continue;
                const QFontMetrics metrics(widget->font());
                QStringList words{caption};
                const bool clickable = row.kind == ControlKind::Label && procedureFor(row.name);
                if (clickable)
                    for (const std::string_view word : captionWords())
                        words << toQString(tr(word));
                for (const QString& word : words) {
                    const QRect needed = row.kind == ControlKind::Label && !clickable
                        ? metrics.boundingRect(widget->rect(), Qt::TextWordWrap, word)
                        : QRect(0, 0, metrics.horizontalAdvance(word) + 4, metrics.height());
                    // A button lower than a line of text (the operators) is judged by eye.
                    const bool low =
                        qobject_cast<QPushButton*>(widget) && widget->height() < metrics.height();
                    // A face larger than a line's room in the table (the title's 24 pt) is judged by its
                    // width.
                    const bool large = row.fontPoints > 13.5;
                    // A pixel's width over is the edge of a glyph, never a letter cut.
                    EXPECT_TRUE(low ||
                                (needed.width() <= widget->width() + 1 &&
                                 (large || needed.height() <= widget->height())))
                        << row.name << " \"" << word.toStdString() << "\" at " << zoom << ": "
                        << needed.width() << " × " << needed.height() << " in " << widget->width() << " × "
                        << widget->height();
                    if (row.kind != ControlKind::Label)
                        continue;
                    // Rectangles of the table that touch share a pixel, scaled by the zoom; the
                    // line's leading lies there, not its letters.
                    const int touching = (zoom + 99) / 100;
                    const QRect drawn =
                        needed.translated(widget->pos()).adjusted(touching, touching, -touching, -touching);
                    for (const ControlRow& other : controlTable())
                        EXPECT_FALSE(&other != &row && seen(other) && drawn.intersects(drawnArea(other)))
                            << row.name << " \"" << word.toStdString() << "\" runs into " << other.name
                            << " at " << zoom;
                }
            }
        }
        key(Qt::Key_0, Qt::ControlModifier);
    }
}

TEST_F(Window, FileMenuClearsShowsAboutTwiceAndExits)
{
    type("Text8", "9");
    click("Label12");
    type("Text22", "typed");
    click("clear21");
    EXPECT_EQ(caption("Label12"), "3");
    choose("file", "clear");
    EXPECT_EQ(caption("Label12"), "Calculate");
    EXPECT_EQ(text("Text22"), "");

    for (int time = 0; time < 2; ++time) {
        QString shown;
        EXPECT_TRUE(answerModal<QMessageBox>([this] { choose("file", "about"); },
                                             [&](QMessageBox* box) {
                                                 shown = box->windowTitle() + "|" + box->text() + "|" +
                                                     QString::number(box->buttons().size());
                                                 QWidget* ok = box->buttons().front();
                                                 QTest::mouseClick(box->windowHandle(), Qt::LeftButton, {},
                                                                   ok->mapTo(box, ok->rect().center()));
                                             }));
        EXPECT_TRUE(shown.startsWith("Vorantis|This has been a program made by Dravelin! Thankyou for "
                                     "downloading! Please send any comments or suggestions to "));
        EXPECT_TRUE(shown.endsWith("@example.org!|1"));
    }
    choose("file", "exit");
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace vorantis
