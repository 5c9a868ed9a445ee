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
    const QSettings stored = store();
    if (stored.status() != QSettings::NoError)
        return settings;
    settings.working = stored.value("view/working", false).toBool();
    bool number = false;
    const int zoom = stored.value("view/zoom", 100).toInt(&number);
    if (number && zoom >= ViewSettings::smallestZoom && zoom <= ViewSettings::largestZoom &&
        zoom % ViewSettings::zoomStep == 0)
        settings.zoom = zoom;
    return settings;
}

void writeViewSettings(const ViewSettings& settings)
{
    {
        // QSettings will not write over a file it could not read: it goes first.
        const QSettings stored = store();
        if (stored.status() != QSettings::NoError)
            QFile::remove(stored.fileName());
    }
    QSettings stored = store();
    stored.setValue("view/working", settings.working);
    stored.setValue("view/zoom", settings.zoom);
}

} // namespace vorantis
