// SPDX-License-Identifier: GPL-3.0-or-later
// The window tests run on Qt's offscreen platform with one large screen, so that they need no
// display and the window can grow to its largest zoom; their settings go to a scratch folder.

#include "app/application_identity.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    const QTemporaryDir settings;
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" VORANTIS_TESTS_DIR "/gui/screens.json");
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    QApplication app(argc, argv);
    // As the program's own start does it, before the first widget.
    vorantis::identifyApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
