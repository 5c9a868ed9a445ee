#include "panels/control_table.h"
#include "app/line_widget.h"
#include "panels/procedures.h"
#include "tests/gui/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace vorantis::testing {
namespace {

QString nameOf(const ControlRow& row) { return QString::fromUtf8(row.name.data(), qsizetype(row.name.size())); }

using WindowLayout = WindowTest;

TEST_F(WindowLayout, EveryControlStandsWhereItsRowPutsIt)
{
    const QSize client = window.centralWidget()->size();
    EXPECT_EQ(client, QSize(800, 187));
    for (const ControlRow& row : controlTable()) {
        SCOPED_TRACE(row.name.data());
        QWidget* widget = control(nameOf(row).toUtf8().constData());
        ASSERT_NE(widget, nullptr);
        const QRect expected(row.rect.left / 15, row.rect.top / 15, row.rect.width / 15, row.rect.height / 15);
        switch (row.kind) {
        case ControlKind::TextField:
            EXPECT_TRUE(qobject_cast<QLineEdit*>(widget));
            EXPECT_EQ(widget->geometry(), expected);
            break;
        case ControlKind::Button:
            ASSERT_TRUE(qobject_cast<QPushButton*>(widget));
            EXPECT_EQ(qobject_cast<QPushButton*>(widget)->text().toStdString(), row.caption);
            EXPECT_EQ(widget->geometry(), expected);
            break;
        case ControlKind::Label:
            ASSERT_TRUE(qobject_cast<QLabel*>(widget));
            EXPECT_EQ(qobject_cast<QLabel*>(widget)->text().toStdString(), row.caption);
            EXPECT_EQ(widget->geometry(), expected);
            break;
        case ControlKind::Line:
            // The line's box holds both of its end points.
            EXPECT_TRUE(dynamic_cast<LineWidget*>(widget));
            EXPECT_TRUE(widget->geometry().contains(expected.topLeft()));
            EXPECT_TRUE(widget->geometry().contains(expected.topLeft() + QPoint(expected.width(), expected.height())));
            break;
        }
        EXPECT_EQ(widget->isVisible(), !row.startsHidden);
        // Only the "Geometry" heading lies below the client area, where no one sees it.
        const bool inClientArea = widget->geometry().intersects(QRect(QPoint(0, 0), client));
        EXPECT_EQ(inClientArea, row.name != "Label38");
    }
}

TEST_F(WindowLayout, StartsEmptyWithFocusInTheNumerator)
{
    for (auto* edit : window.centralWidget()->findChildren<QLineEdit*>())
        EXPECT_TRUE(edit->text().isEmpty()) << edit->objectName().toStdString();
    EXPECT_EQ(caption("Label12"), "Calculate");
    EXPECT_EQ(caption("Label17"), "Check");
    EXPECT_EQ(caption("Label36"), "");
    EXPECT_EQ(caption("Label20"), "");
    EXPECT_FALSE(control("Label41")->isVisible());
    EXPECT_FALSE(control("Text35")->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), control("n"));
    EXPECT_EQ(window.windowTitle(), "Vorantis");
}

TEST_F(WindowLayout, TabVisitsFieldsThenButtonsAndWrapsToTheNumerator)
{
    const QStringList expected{
        "n",      "d",       "Text1",    "Text2",       "Text5",   "Text6",   "Text8",    "Text9",
        "Text13", "Text14",  "Text15",   "Text29",      "Text30",  "Text31",  "Text32",   "Text33",
        "Text34", "Text20",  "Text21",   "Text22",      "fromfrac", "fromdec", "frompercent", "simp",
        "addfrac", "subfrac", "multifrac", "divfrac",   "decsub",  "decmulti", "mecdiv",  "decadd",
        "clear21", "calcsquare", "Text3", "Text4",      "Text23",  "Text24",  "Command3", "n",
    };
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, expected);
}

TEST_F(WindowLayout, FileMenuHoldsClearAboutAndExit)
{
    const QList<QAction*> menus = window.menuBar()->actions();
    ASSERT_EQ(menus.size(), 1);
    EXPECT_EQ(menus[0]->text(), "File");
    QStringList commands;
    for (QAction* action : menus[0]->menu()->actions())
        commands << action->text();
    EXPECT_EQ(commands, (QStringList{"Clear", "About ", "Exit"}));
}

using WindowClicks = WindowTest;

// With every field holding a text that is no number, every panel procedure fails with a
// message and every other label or button leaves the window exactly as it was.
TEST_F(WindowClicks, OnlyTheProcedureControlsStartSomething)
{
    int started = 0;
    for (const ControlRow& row : controlTable()) {
        if (row.kind != ControlKind::Button && row.kind != ControlKind::Label)
            continue;
        SCOPED_TRACE(row.name.data());
        QWidget* widget = control(nameOf(row).toUtf8().constData());
        if (!widget->isVisible())
            continue; // the hidden minus sign cannot be clicked
        click("clear21"); // a click clears the failure line
        for (auto* edit : window.centralWidget()->findChildren<QLineEdit*>())
            edit->setText("x");
        QLabel* label = qobject_cast<QLabel*>(widget);
        const QString before = label ? label->text() : QString();
        click(nameOf(row).toUtf8().constData());

        const bool emptied = text("n").isEmpty();
        const bool failed = !window.failureMessage().isEmpty();
        if (procedureFor(row.name)) {
            ++started;
            EXPECT_TRUE(emptied || failed);
        } else {
            EXPECT_FALSE(emptied || failed);
            if (label) {
                EXPECT_EQ(label->text(), before);
            }
        }
    }
    EXPECT_EQ(started, 17); // 15 buttons and 2 labels; the 3 menu commands are tested apart
}

TEST_F(WindowClicks, AFailureIsShownAndTheWindowGoesOn)
{
    type("Text20", "abc");
    type("Text21", "3");
    click("decadd");
    EXPECT_EQ(window.failureMessage(), "Add, Subtract, Multiply, and Divide: \"abc\" is not a number");
    EXPECT_EQ(caption("Label36"), "+");
    EXPECT_EQ(text("Text22"), "");

    type("Text20", "2");
    click("decmulti");
    EXPECT_EQ(window.failureMessage(), "");
    EXPECT_EQ(caption("Label36"), "*");
    EXPECT_EQ(text("Text22"), "6");
}

TEST_F(WindowClicks, DecimalButtonsComputeLeftOpRight)
{
    type("Text20", "7");
    type("Text21", "2");
    const std::pair<const char*, const char*> cases[]{
        {"decadd", "9"}, {"decsub", "5"}, {"decmulti", "14"}, {"mecdiv", "3.5"}};
    for (const auto& [button, result] : cases) {
        click(button);
        EXPECT_EQ(text("Text22"), result) << button;
        EXPECT_EQ(caption("Label36"), control<QPushButton>(button)->text());
    }
    type("Text21", "0");
    click("mecdiv");
    EXPECT_EQ(text("Text22"), "3.5");
    EXPECT_TRUE(window.failureMessage().contains("divide by zero"));
}

TEST_F(WindowClicks, ClearButtonKeepsResultCaptionsAndMenuClearRestoresThem)
{
    type("Text8", "9");
    click("Label12");
    type("Text9", "7");
    click("Label17");
    ASSERT_EQ(caption("Label12"), "3");
    ASSERT_EQ(caption("Label17"), "Prime");

    click("clear21");
    EXPECT_EQ(text("Text8"), "");
    EXPECT_EQ(text("Text9"), "");
    EXPECT_EQ(caption("Label12"), "3");
    EXPECT_EQ(caption("Label17"), "Prime");

    type("Text22", "typed");
    window.findChild<QAction*>("clear")->trigger();
    EXPECT_EQ(text("Text22"), "");
    EXPECT_EQ(caption("Label12"), "Calculate");
    EXPECT_EQ(caption("Label17"), "Check");
}

TEST_F(WindowClicks, AboutShowsOneMessageWithOneButton)
{
    for (int time = 0; time < 2; ++time) {
        QString text, title;
        int buttons = -1;
        QMessageBox::Icon icon = QMessageBox::Warning;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            text = box->text();
            title = box->windowTitle();
            buttons = int(box->buttons().size());
            icon = box->icon();
            QTest::mouseClick(box->buttons().front(), Qt::LeftButton);
        });
        window.findChild<QAction*>("about")->trigger();
        EXPECT_TRUE(text.startsWith("This has been a program made by Dravelin! Thankyou for downloading! "
                                    "Please send any comments or suggestions to "));
        EXPECT_TRUE(text.endsWith("@example.org!"));
        EXPECT_FALSE(text.contains('\n'));
        EXPECT_EQ(title, "Vorantis");
        EXPECT_EQ(buttons, 1);
        EXPECT_EQ(icon, QMessageBox::NoIcon);
    }
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(WindowClicks, ExitClosesTheWindow)
{
    window.findChild<QAction*>("exit")->trigger();
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace vorantis::testing
