// SPDX-License-Identifier: GPL-3.0-or-later
// The window tests run on Qt's offscreen platform with one large screen, so that they need no
// display and the window can grow to its largest zoom; their settings go to a scratch folder.

#include <QApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    const QString scratch =
        QDir::temp().filePath("vorantis-gui-" + QString::number(QCoreApplication::applicationPid()));
    QFile screens(scratch + "/screens.json");
    if (!QDir().mkpath(scratch) || !screens.open(QIODevice::WriteOnly) ||
        screens.write(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1920, "height": 1080,
                         "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") < 0 ||
        !screens.flush())
        return 2;
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens.fileName()).toUtf8());
    qputenv("XDG_CONFIG_HOME", scratch.toUtf8());
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName("Vorantis");
    ::testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    QDir(scratch).removeRecursively();
    return status;
}
