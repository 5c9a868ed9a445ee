// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/view_settings.h"

#include "app/qt_text.h"
#include "language/language.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>

#include <cerrno>
#include <cstring>
#include <pwd.h>
#include <unistd.h>

namespace vorantis {
namespace {

// A home is a folder that is there: a HOME left unset, or naming a folder that is gone, must
// not lead to a made-up one (nor to /, where an account without a home is often pointed).
bool isHome(const QString& folder)
{
    return QDir::isAbsolutePath(folder) && QDir(folder) != QDir::root() && QFileInfo(folder).isDir();
}

} // namespace

QString viewSettingsPath()
{
    const QString configuration = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (QDir::isAbsolutePath(configuration))
        return configuration + "/vorantis/vorantis.conf";
    QString home = qEnvironmentVariable("HOME");
    if (!isHome(home)) {
        const passwd* account = getpwuid(getuid());
        home = account ? QString::fromLocal8Bit(account->pw_dir) : QString();
    }
    return isHome(home) ? home + "/.config/vorantis/vorantis.conf" : QString();
}

std::optional<ViewSettings> readViewSettings()
{
    const QString path = viewSettingsPath();
    if (path.isEmpty() || !QFileInfo::exists(path))
        return ViewSettings{};
    const QSettings stored(path, QSettings::IniFormat);
    const QString working = stored.value("view/working", "false").toString();
    const QString practice = stored.value("view/practice", "false").toString();
    bool number = false;
    const int zoom = stored.value("view/zoom", 100).toInt(&number);
    const QString language = stored.value("view/language").toString();
    if (stored.status() != QSettings::NoError || (working != "true" && working != "false") ||
        (practice != "true" && practice != "false") || !number || zoom < smallestZoom || zoom > largestZoom ||
        zoom % zoomStep || (!language.isEmpty() && !languageCoded(language.toStdString())))
        return std::nullopt;
    return ViewSettings{working == "true", practice == "true", zoom, language};
}

std::optional<FileTrouble> writeViewSettings(const ViewSettings& settings)
{
    const QString path = viewSettingsPath();
    if (path.isEmpty())
        return std::nullopt;
    // Written whole, in the form QSettings reads, so that nothing the program did not write
    // (an unknown key, a line it could not read) outlives a new write.
    const QByteArray content =
        (QString("[view]\n") +
         (settings.language.isEmpty() ? QString() : "language=" + settings.language + "\n") +
         QString("practice=%1\nworking=%2\nzoom=%3\n")
             .arg(settings.practice ? "true" : "false", settings.working ? "true" : "false")
             .arg(settings.zoom))
            .toUtf8();
    errno = 0;
    if (!QDir().mkpath(QFileInfo(path).path()))
        return FileTrouble{path, errno};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        return FileTrouble{path, errno};
    return std::nullopt;
}

} // namespace vorantis
