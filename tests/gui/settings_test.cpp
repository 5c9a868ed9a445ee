// SPDX-License-Identifier: GPL-3.0-or-later
// Where the view settings are kept, whatever the environment says, and a file that cannot be
// written.

#include "app/qt_text.h"
#include "language/language.h"
#include "tests/gui/environment.h"
#include "tests/gui/window_fixture.h"

#include <QTemporaryDir>

#include <cstring>
#include <optional>
#include <pwd.h>
#include <unistd.h>

namespace vorantis {
namespace {

using testing::setVariable;

constexpr const char* settingsVariables[]{"XDG_CONFIG_HOME", "HOME"};

TEST(ViewSettings, GoToTheAccountsOwnFolderAndNeverToOneMadeUp)
{
    const QTemporaryDir scratch;
    const QByteArray folder = scratch.path().toUtf8();
    const QString account =
        QString::fromLocal8Bit(getpwuid(getuid())->pw_dir) + "/.config/vorantis/vorantis.conf";
    struct Row {
        const char* what;
        std::optional<QByteArray> configuration, home;
        QString path;
    };
    const Row rows[] = {
        {"XDG_CONFIG_HOME", folder + "/c", folder, folder + "/c/vorantis/vorantis.conf"},
        {"XDG_CONFIG_HOME not absolute", "c", folder, folder + "/.config/vorantis/vorantis.conf"},
        {"HOME unset", std::nullopt, std::nullopt, account},
        {"HOME a folder that is not there", "", folder + "/gone", account},
        {"HOME the root", std::nullopt, "/", account},
    };
    const testing::SavedVariables restored(settingsVariables);
    for (const Row& row : rows) {
        setVariable("XDG_CONFIG_HOME", row.configuration);
        setVariable("HOME", row.home);
        EXPECT_EQ(viewSettingsPath(), row.path) << row.what;
    }
}

TEST_F(Window, ASettingsFileThatCannotBeWrittenIsSaidOnce)
{
    const QTemporaryDir scratch;
    QFile notAFolder(scratch.filePath("config"));
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly)); // even root cannot make a folder in a file
    const testing::SavedVariables restored(settingsVariables);
    qputenv("XDG_CONFIG_HOME", notAFolder.fileName().toUtf8());
    choose("view", "zoomIn");
    EXPECT_EQ(window.failureMessage(),
              "The view settings cannot be saved: " + notAFolder.fileName() +
                  "/vorantis/vorantis.conf: " + toQString(tr("that folder is not there")));
    click("clear21"); // clears the status line
    choose("view", "zoomIn");
    EXPECT_EQ(window.failureMessage(), "");
}

} // namespace
} // namespace vorantis
