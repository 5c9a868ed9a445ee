// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/view_settings.h"

#include <QFile>
#include <QSettings>

namespace vorantis {
namespace {

QSettings store() { return QSettings(QSettings::NativeFormat, QSettings::UserScope, "vorantis", "vorantis"); }

} // namespace

ViewSettings readViewSettings()
{
    ViewSettings settings;
    bool sound = true;
    {
        const QSettings stored = store();
        const QString working = stored.value("view/working", "false").toString();
        bool number = false;
        const int zoom = stored.value("view/zoom", 100).toInt(&number);
        sound = stored.status() == QSettings::NoError && (working == "true" || working == "false") &&
            number && zoom >= ViewSettings::smallestZoom && zoom <= ViewSettings::largestZoom &&
            zoom % ViewSettings::zoomStep == 0;
        if (sound)
            settings = {working == "true", zoom};
    }
    // A file that cannot be read or makes no sense is written anew, as a first start has it.
    if (!sound)
        writeViewSettings(settings);
    return settings;
}

void writeViewSettings(const ViewSettings& settings)
{
    {
        // QSettings keeps what it could not read and writes it back: the file goes first.
        const QSettings stored = store();
        if (stored.status() != QSettings::NoError)
            QFile::remove(stored.fileName());
    }
    QSettings stored = store();
    stored.setValue("view/working", settings.working);
    stored.setValue("view/zoom", settings.zoom);
}

} // namespace vorantis
