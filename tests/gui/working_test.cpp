// SPDX-License-Identifier: GPL-3.0-or-later
// The View menu: the working shown, copied, saved and cleared; the zoom; both remembered.

#include "app/qt_text.h"
#include "app/working_view.h"
#include "language/language.h"
#include "layout/texts.h"
#include "tests/gui/window_fixture.h"
#include "tests/support/tables.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>

#include <sstream>

namespace vorantis {
namespace {

QWidget* pane(MainWindow& shown) { return shown.findChild<QWidget*>("workingPane"); }

// The newest entry as the pane shows it, its drawn pieces in their plain form.
QString newestEntry(WorkingView* view)
{
    const std::vector<QTextBlock> blocks = view->newestEntry();
    return view->plainText(blocks.front().position(), blocks.back().position() + blocks.back().length() - 1);
}

TEST_F(Window, TheWorkingShowsEachClicksEntryOnlyOnceAsked)
{
    ASSERT_EQ(pane(window), nullptr); // a first start makes no pane
    choose("view", "working");
    auto* working = window.findChild<WorkingView*>("working");
    ASSERT_TRUE(working && working->isVisible() && working->accessibleName() == "Working");
    type("n", "12");
    type("d", "18");
    click("simp");
    EXPECT_TRUE(newestEntry(working).endsWith("12/18 = " + text("n") + "/" + text("d")));
    choose("view", "working");
    EXPECT_FALSE(working->isVisible());
}

// Every fraction of 1/2 + 1/3 is drawn stacked, an object of the text, and a selection of the
// pane copies the plain text, each fraction with its slash.
TEST_F(Window, TheWorkingDrawsFractionsStackedAndASelectionCopiesPlainText)
{
    choose("view", "working");
    for (const auto& [field, typed] :
         {std::pair("Text29", "1"), {"Text30", "2"}, {"Text31", "1"}, {"Text32", "3"}})
        type(field, typed);
    click("addfrac");
    auto* working = window.findChild<WorkingView*>("working");
    const std::vector<QTextBlock> blocks = working->newestEntry();
    int drawn = 0;
    for (const QTextBlock& block : blocks)
        drawn += block.text().count(QChar::ObjectReplacementCharacter);
    const QString plain = newestEntry(working);
    EXPECT_EQ(drawn, plain.count(QRegularExpression("\\d/\\d"))) << plain.toStdString();
    EXPECT_GE(drawn, 5);
    QTest::mouseClick(working->viewport(), Qt::LeftButton, {}, {4, 4});
    QTest::keyClick(working->viewport(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(working->viewport(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), plain);
    EXPECT_TRUE(plain.contains("1/2 + 1/3 = 3/6 + 2/6 = 5/6")) << plain.toStdString();
}

// Read Aloud stands in the View menu. Once the system's speech has answered, it is offered where a
// voice of the language is installed, and reading highlights the entry's lines in turn; where none
// is, it cannot be chosen, and its tooltip says why.
TEST_F(Window, ReadAloudReadsTheNewestEntryOrSaysWhyItCannot)
{
    choose("view", "working");
    type("Text23", "17");
    type("Text24", "5");
    click("Command3");
    QAction* read = window.findChild<QAction*>("readAloud");
    ASSERT_TRUE(read && read->shortcut() == QKeySequence("Ctrl+Shift+L"));
    const QString waiting = toQString(tr("Reading aloud is getting ready"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return read->toolTip() != waiting; }, 20000));
    if (!read->isEnabled()) { // no voice of English here: the reason, in words
        EXPECT_TRUE(read->toolTip().startsWith("No voice") ||
                    read->toolTip().startsWith("Reading aloud needs"))
            << read->toolTip().toStdString();
        return;
    }
    auto* working = window.findChild<WorkingView*>("working");
    key(Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(working->extraSelections().size(), 1);
    EXPECT_EQ(working->extraSelections().front().cursor.block().text().toStdString(),
              "17 ÷ 5"); // its heading first
}

// A worked example is short, as on the board: at most six lines, none of which wraps in the
// pane at the window's own size.
TEST_F(Window, EveryWorkedExampleTakesAtMostSixLinesThatDoNotWrap)
{
    choose("view", "working");
    auto* working = window.findChild<WorkingView*>("working");
    for (const testing::TableRow& row : testing::tableRows("working.table", 3)) {
        SCOPED_TRACE("working.table line " + std::to_string(row.line));
        std::istringstream typed(row.columns[1]);
        for (std::string pair; typed >> pair;)
            type(toQString(pair.substr(0, pair.find('='))),
                 toQString(testing::unescaped(pair.substr(pair.find('=') + 1))));
        row.columns[0] == "clear" ? choose("file", "clear") : click(toQString(row.columns[0]));
        const std::vector<QTextBlock> blocks = working->newestEntry();
        EXPECT_LE(blocks.size(), 6u);
        for (const QTextBlock& block : blocks)
            EXPECT_EQ(block.layout()->lineCount(), 1) << block.text().toStdString();
    }
}

// Saved whole as text or as a page; where nothing can be written, the status line says so.
TEST_F(Window, TheWorkingIsCopiedAndSavedAsTextOrAsAPage)
{
    choose("view", "working");
    type("Text23", "17");
    type("Text24", "5");
    click("Command3");
    for (const auto& [field, typed] :
         {std::pair("Text29", "1"), {"Text30", "2"}, {"Text31", "3"}, {"Text32", "4"}})
        type(field, typed);
    click("multifrac");
    QTemporaryDir folder;
    click("copyAll");
    const auto save = [this](const QString& path) { // typed into the file dialog, as a person does
        return answerModal<QFileDialog>([this] { click("saveAs"); },
                                        [&](QFileDialog* dialog) {
                                            QTest::keyClick(dialog->windowHandle(), Qt::Key_A,
                                                            Qt::ControlModifier);
                                            for (const QChar c : path)
                                                QTest::keyClick(dialog->windowHandle(), c.toLatin1());
                                            QTest::keyClick(dialog->windowHandle(), Qt::Key_Return);
                                        });
    };
    ASSERT_TRUE(save(folder.filePath("working.txt")) && save(folder.filePath("working.html")));
    QFile text(folder.filePath("working.txt")), page(folder.filePath("working.html"));
    ASSERT_TRUE(text.open(QIODevice::ReadOnly) && page.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(text.readAll()), QApplication::clipboard()->text());
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("17 ÷ 5\n") &&
                QApplication::clipboard()->text().contains("\n17 ÷ 5 = 3 remainder 2\n") &&
                QApplication::clipboard()->text().contains("\n1/2 × 3/4 = 3/8\n"));
    // The page draws the fractions as MathML does: stacked over a bar.
    const QByteArray html = page.readAll();
    EXPECT_TRUE(html.startsWith("<!DOCTYPE html>") &&
                html.contains("<mfrac><mrow><mn>1</mn></mrow><mrow><mn>2</mn></mrow></mfrac>") &&
                html.contains("aria-label=\"one half times three quarters is three eighths\""));
    ASSERT_TRUE(save("/sys/working.txt")); // a folder no one may write in, root included
    EXPECT_TRUE(window.failureMessage().startsWith("Working: not saved to /sys/working.txt: "));
    click("clearWorking");
    EXPECT_TRUE(window.findChild<WorkingView*>("working")->document()->isEmpty());
}

TEST_F(Window, ASecondStartRemembersTheWorkingAndTheZoom)
{
    const int actualWidth = window.width();
    choose("view", "working");
    choose("view", "zoomIn");
    choose("view", "zoomIn");
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.width() == actualWidth * 3 / 2; }, 2000))
        << window.width();
    MainWindow again;
    again.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&again) && pane(again));
    EXPECT_TRUE(pane(again)->isVisible() && again.width() == actualWidth * 3 / 2) << again.width();
    choose("view", "actualSize");
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.width() == actualWidth; }, 2000)) << window.width();
}

// A settings file that makes no sense is ignored and written anew, as at a first start, with
// the program's own keys alone.
TEST_F(Window, ASettingsFileThatMakesNoSenseIsWrittenAnew)
{
    QFile settings(viewSettingsPath());
    QDir().mkpath(QFileInfo(settings).path());
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly) &&
                settings.write("[other]\nunknown=1\n[view\nworking=\xff[[\nzoom=175\n") > 0);
    settings.close();
    MainWindow corrupt;
    corrupt.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&corrupt));
    EXPECT_TRUE(pane(corrupt) == nullptr && corrupt.width() == window.width());
    const QSettings anew(settings.fileName(), QSettings::IniFormat);
    EXPECT_EQ(anew.allKeys(), QStringList({"view/practice", "view/working", "view/zoom"}));
    EXPECT_EQ(anew.value("view/zoom"), 100);
}

QAction* command(MainWindow& shown, const char* name) { return shown.findChild<QAction*>(name); }

// On each screen of screens.json, the large one, a short one with the working shown, one of
// twice the pixels, and a 1366 × 768 one that a system scale of 2 leaves at 683 × 384, the View menu zooms
// down to 100 % and up as far as the screen has room; a command that can do nothing is disabled, the window
// stays on the screen, and the steps are the same up and down.
TEST_F(Window, ZoomStepsAreTheSameUpAndDownAndTheWindowStaysOnItsScreen)
{
    struct Row {
        const char* screen;
        bool working;
        int smallest; // the window's width at its smallest step there
    };
    for (const Row& row : {Row{"screen", false, 800}, Row{"short", true, 800}, Row{"dense", false, 800},
                           Row{"scaled", false, 600}}) {
        SCOPED_TRACE(row.screen);
        const auto screens = QGuiApplication::screens();
        QScreen* large = *std::ranges::find(screens, "screen", &QScreen::name);
        QScreen* to = *std::ranges::find(screens, row.screen, &QScreen::name);
        window.setScreen(large);
        window.move(0, 0);
        if (command(window, "working")->isChecked() != row.working)
            choose("view", "working");
        for (int step = 0; step < 4; ++step)
            key(Qt::Key_Plus, Qt::ControlModifier);
        ASSERT_TRUE(QTest::qWaitFor([&] { return window.width() == 1600; }, 2000)); // 200 % fits there
        const QRect room = to->availableGeometry();
        if (to != large) { // dragged there, where at 200 % it reaches past the edge
            window.setScreen(to);
            window.move(room.center().x(), room.top());
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return room.contains(window.frameGeometry()); }));

        const auto walk = [&](const char* zoom) {
            QList<int> widths{window.width()};
            while (command(window, zoom)->isEnabled() && widths.size() < 6) {
                choose("view", zoom);
                EXPECT_TRUE(QTest::qWaitFor([&] { return window.width() != widths.back(); }));
                EXPECT_TRUE(room.contains(window.frameGeometry())) << window.width();
                widths << window.width();
            }
            return widths;
        };
        const QList<int> down = walk("zoomOut");
        EXPECT_FALSE(command(window, "actualSize")->isEnabled());
        const QList<int> up = walk("zoomIn");
        EXPECT_EQ(down.back(), row.smallest);
        EXPECT_EQ(QList<int>(up.rbegin(), up.rend()), down);
        EXPECT_EQ(up.back() == 1600, to == large) << up.back();
    }
}

} // namespace
} // namespace vorantis
