// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application_identity.h"

#include <QApplication>
#include <QIcon>

namespace vorantis {

void identifyApplication()
{
    QApplication::setApplicationDisplayName("Vorantis");
    // The id of the installed desktop entry: it matches the window to its menu entry and icon.
    QApplication::setDesktopFileName("org.example.Vorantis");
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/icons/%1x%1/apps/org.example.Vorantis.png").arg(size));
    QApplication::setWindowIcon(icon);
}

} // namespace vorantis
