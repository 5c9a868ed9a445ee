// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application_identity.h"

#include "app/deferred_icons.h"

#include <QApplication>
#include <QImageReader>
#include <QPixmap>

namespace vorantis {
namespace {

// The id of the installed desktop entry: it matches the window to its menu entry and icon.
const QString desktopId = QStringLiteral("org.example.Vorantis");

} // namespace

QIcon windowIcon()
{
    return deferredIcon([] {
        QIcon icon;
        for (int size : {16, 24, 32, 48, 64, 128, 256}) {
            QImageReader reader(QString(":/icons/%1x%1/apps/%2.png").arg(size).arg(desktopId), "png");
            reader.setAutoDetectImageFormat(false); // a PNG of ours: no plugin need look at it
            icon.addPixmap(QPixmap::fromImage(reader.read()));
        }
        return icon;
    });
}

void identifyApplication()
{
    QApplication::setApplicationDisplayName("Vorantis");
    QApplication::setDesktopFileName(desktopId);
    QApplication::setWindowIcon(windowIcon());
    deferStyleIcons();
}

} // namespace vorantis
