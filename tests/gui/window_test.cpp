// The window as a person uses it: every click goes to the window at the point a person aims
// at (the middle of a button, the middle of a label's caption), so whatever is really there
// receives it, and every key goes through the window to the focused control.

#include "app/main_window.h"
#include "panels/control_table.h"
#include "panels/procedures.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace vorantis {
namespace {

class Window : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    template <class Widget = QWidget> Widget* control(const QString& name)
    {
        auto* widget = window.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }

    // The middle of a label's caption as drawn, of anything else its middle, in the window.
    QPoint aimAt(QWidget* widget)
    {
        QRect target = widget->rect();
        if (auto* label = qobject_cast<QLabel*>(widget))
            target = label->fontMetrics().boundingRect(
                label->contentsRect(), int(label->alignment()) | Qt::TextWordWrap, label->text());
        return widget->mapTo(&window, target.center());
    }

    void click(const QString& name)
    {
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, aimAt(control(name)));
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(window.windowHandle(), key, modifiers);
    }

    // Clicks into the field, selects what it holds and types over it.
    void type(const QString& field, const QString& text)
    {
        click(field);
        key(Qt::Key_A, Qt::ControlModifier);
        for (const QChar c : text)
            QTest::keyClick(window.windowHandle(), c.toLatin1());
        if (text.isEmpty())
            key(Qt::Key_Delete);
    }

    QString text(const QString& field) { return control<QLineEdit>(field)->text(); }
    QString caption(const QString& label) { return control<QLabel>(label)->text(); }
    QString focused() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : ""; }

    // Opens File by a click on its title and clicks the command, both at their middles.
    void chooseFromFile(const QString& command)
    {
        QMenu* file = window.findChild<QMenu*>("file");
        QTest::mouseClick(
            window.windowHandle(), Qt::LeftButton, {},
            window.menuBar()->mapTo(&window, window.menuBar()->actionGeometry(file->menuAction()).center()));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(file));
        QAction* action = window.findChild<QAction*>(command);
        QTest::mouseClick(file->windowHandle(), Qt::LeftButton, {}, file->actionGeometry(action).center());
    }

    MainWindow window;
};

// Every field holds a text that is no number: a panel's control then says why in the status
// line, the Clear button empties the fields, and a label or button that starts nothing
// leaves the window as it was.
TEST_F(Window, EveryControlAnswersAClickOnItsCaptionAndNoOtherDoes)
{
    int answered = 0;
    for (const ControlRow& row : controlTable()) {
        const QString name = QString::fromUtf8(row.name.data(), qsizetype(row.name.size()));
        if ((row.kind != ControlKind::Button && row.kind != ControlKind::Label) ||
            !control(name)->isVisible())
            continue;
        // A caption that lies outside the window, or behind a field or a button, is not there to click.
        const QPoint aim = aimAt(control(name));
        QWidget* there = window.childAt(aim);
        if (!window.rect().contains(aim) ||
            (row.kind == ControlKind::Label && there && there != control(name) &&
             (qobject_cast<QLineEdit*>(there) || qobject_cast<QPushButton*>(there))))
            continue;
        SCOPED_TRACE(row.name.data());
        for (auto* field : window.findChildren<QLineEdit*>())
            field->setText("x");
        click(name);
        const bool answer = !window.failureMessage().isEmpty() || text("n").isEmpty();
        EXPECT_EQ(answer, procedureFor(row.name) != nullptr);
        answered += answer;
        click("clear21"); // also clears the status line
    }
    EXPECT_EQ(answered, 17);
}

TEST_F(Window, APanelWorksFromClicksAndTypingAndGoesOnAfterAFailure)
{
    type("Text9", "7");
    click("Label17");
    EXPECT_EQ(caption("Label17"), "Prime");
    type("Text8", "-4");
    click("Label12");
    EXPECT_EQ(caption("Label12"), "Calculate");
    EXPECT_TRUE(window.failureMessage().startsWith("Square Root: ")) << window.failureMessage().toStdString();
    type("Text8", "16");
    click("Label12");
    EXPECT_EQ(caption("Label12"), "4");
    EXPECT_EQ(window.failureMessage(), "");
}

TEST_F(Window, TabVisitsFieldsThenButtonsAndSpacePressesTheFocusedOne)
{
    const QStringList order{
        "n",       "d",          "Text1",     "Text2",   "Text5",    "Text6",    "Text8",       "Text9",
        "Text13",  "Text14",     "Text15",    "Text29",  "Text30",   "Text31",   "Text32",      "Text33",
        "Text34",  "Text20",     "Text21",    "Text22",  "fromfrac", "fromdec",  "frompercent", "simp",
        "addfrac", "subfrac",    "multifrac", "divfrac", "decsub",   "decmulti", "mecdiv",      "decadd",
        "clear21", "calcsquare", "Text3",     "Text4",   "Text23",   "Text24",   "Command3",    "n"};
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
}

TEST_F(Window, FileMenuClearsShowsAboutTwiceAndExits)
{
    type("Text8", "9");
    click("Label12");
    type("Text22", "typed");
    click("clear21");
    EXPECT_EQ(caption("Label12"), "3");
    chooseFromFile("clear");
    EXPECT_EQ(caption("Label12"), "Calculate");
    EXPECT_EQ(text("Text22"), "");

    for (int time = 0; time < 2; ++time) {
        // The box is modal: it is answered from a timer that gives up after five seconds.
        QString shown;
        QTimer answer;
        QElapsedTimer waited;
        waited.start();
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->windowTitle() + "|" + box->text() + "|" + QString::number(box->buttons().size());
                QWidget* ok = box->buttons().front();
                QTest::mouseClick(box->windowHandle(), Qt::LeftButton, {},
                                  ok->mapTo(box, ok->rect().center()));
            }
            if (!shown.isEmpty() || waited.elapsed() > 5000)
                answer.stop();
        });
        answer.start(10);
        chooseFromFile("about");
        EXPECT_TRUE(QTest::qWaitFor([&] { return !answer.isActive(); }, 6000));
        EXPECT_TRUE(shown.startsWith("Vorantis|This has been a program made by Dravelin! Thankyou for "
                                     "downloading! Please send any comments or suggestions to "));
        EXPECT_TRUE(shown.endsWith("@example.org!|1"));
    }
    chooseFromFile("exit");
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace vorantis

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName("Vorantis");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
