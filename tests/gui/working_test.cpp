// SPDX-License-Identifier: GPL-3.0-or-later
// The View menu: the working shown, copied, saved and cleared; the zoom; both remembered.

#include "tests/gui/window_fixture.h"

#include <QClipboard>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>

namespace vorantis {
namespace {

QWidget* pane(MainWindow& shown) { return shown.findChild<QWidget*>("workingPane"); }

TEST_F(Window, WorkingIsShownSavedAndRememberedAndTheWindowZooms)
{
    ASSERT_EQ(pane(window), nullptr); // a first start makes no pane
    const int actualWidth = window.width();
    choose("view", "working");
    auto* working = window.findChild<QPlainTextEdit*>("working");
    ASSERT_TRUE(working && working->isVisible() && working->accessibleName() == "Working");
    type("n", "12");
    type("d", "18");
    click("simp");
    EXPECT_TRUE(working->document()->lastBlock().text().contains(text("n") + "/" + text("d")));

    // Saved whole as text or as a page; where nothing can be written, the status line says so.
    const auto saveTo = [&](const QString& path) {
        return answerModal<QFileDialog>([&] { click("saveAs"); },
                                        [&](QFileDialog* dialog) {
                                            QTest::keyClick(dialog->windowHandle(), Qt::Key_A,
                                                            Qt::ControlModifier);
                                            for (const QChar c : path)
                                                QTest::keyClick(dialog->windowHandle(), c.toLatin1());
                                            QTest::keyClick(dialog->windowHandle(), Qt::Key_Return);
                                        });
    };
    QTemporaryDir folder;
    click("copyAll");
    ASSERT_TRUE(saveTo(folder.filePath("working.txt")) && saveTo(folder.filePath("working.html")));
    QFile text(folder.filePath("working.txt")), page(folder.filePath("working.html"));
    ASSERT_TRUE(text.open(QIODevice::ReadOnly) && page.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(text.readAll()), QApplication::clipboard()->text());
    EXPECT_TRUE(page.readAll().startsWith("<!DOCTYPE html>"));
    ASSERT_TRUE(saveTo("/sys/working.txt")); // a folder no one may write in, root included
    EXPECT_TRUE(window.failureMessage().startsWith("Working: not saved to /sys/working.txt: "));
    EXPECT_EQ(working->blockCount(), 1);

    choose("view", "zoomIn");
    choose("view", "zoomIn");
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.width() == actualWidth * 3 / 2; }, 2000))
        << window.width();
    {
        MainWindow again; // a second start remembers both
        again.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&again) && pane(again));
        EXPECT_TRUE(pane(again)->isVisible() && again.width() == actualWidth * 3 / 2) << again.width();
    }
    choose("view", "actualSize");
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.width() == actualWidth; }, 2000)) << window.width();
    choose("view", "working");
    EXPECT_FALSE(working->isVisible());

    // A settings file that makes no sense is ignored and written anew, as at a first start.
    QFile settings(
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "vorantis", "vorantis").fileName());
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly) &&
                settings.write("[view\nworking=\xff[[\nzoom=175\n") > 0);
    settings.close();
    MainWindow corrupt;
    corrupt.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&corrupt));
    EXPECT_TRUE(pane(corrupt) == nullptr && corrupt.width() == actualWidth);
    EXPECT_EQ(QSettings(settings.fileName(), QSettings::IniFormat).value("view/zoom"), 100); // written anew
}

} // namespace
} // namespace vorantis
