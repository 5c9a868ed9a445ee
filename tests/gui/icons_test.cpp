// SPDX-License-Identifier: GPL-3.0-or-later
// The icons the program gives Qt are read when something draws them, and then are the same
// images as read at once.

#include "app/application_identity.h"
#include "app/deferred_icons.h"

#include <QApplication>
#include <QImage>
#include <QMenuBar>
#include <QProxyStyle>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

TEST(Icons, AnIconIsMadeOnceAndOnlyWhenDrawnWhicheverCopyDrawsIt)
{
    int made = 0;
    QPixmap square(24, 24);
    square.fill(Qt::darkGreen);
    const QIcon icon = vorantis::deferredIcon([&] {
        ++made;
        return QIcon(square);
    });
    QToolButton button;
    button.setIcon(icon);
    const QIcon copy = icon;
    EXPECT_FALSE(copy.isNull());
    EXPECT_EQ(made, 0);
    EXPECT_EQ(copy.pixmap(24).toImage(), square.toImage());
    EXPECT_EQ(icon.pixmap(24).toImage(), square.toImage());
    EXPECT_EQ(made, 1);
}

TEST(Icons, TheWindowIconIsEverySizeOfTheInstalledIconAsQtReadsIt)
{
    QIcon atOnce;
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        atOnce.addFile(QString(":/icons/%1x%1/apps/org.example.Vorantis.png").arg(side));
    ASSERT_EQ(atOnce.availableSizes().size(), 7);
    const QIcon icon = vorantis::windowIcon();
    EXPECT_EQ(icon.availableSizes(), atOnce.availableSizes());
    for (int side : {16, 22, 24, 32, 48, 64, 100, 128, 256, 512}) {
        SCOPED_TRACE(side);
        EXPECT_EQ(icon.pixmap(side).toImage(), atOnce.pixmap(side).toImage());
    }
}

// Where the menus do not fit, the menu bar shows its overflow button with the style's arrow.
TEST(Icons, AMenuBarThatOverflowsShowsTheStylesOwnArrow)
{
    auto* style = qobject_cast<QProxyStyle*>(QApplication::style());
    ASSERT_NE(style, nullptr) << "the program's style is set up as at a start";
    QWidget window;
    auto* bar = new QMenuBar(&window);
    for (const char* title : {"File", "View", "Practice", "Language", "Help", "Extras"})
        bar->addMenu(title);
    bar->setFixedWidth(90);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* more = bar->findChild<QToolButton*>("qt_menubar_ext_button");
    ASSERT_NE(more, nullptr);
    EXPECT_TRUE(more->isVisible());
    const QImage own =
        style->baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).pixmap(16).toImage();
    EXPECT_FALSE(own.isNull());
    EXPECT_EQ(more->icon().pixmap(16).toImage(), own);
}

} // namespace
