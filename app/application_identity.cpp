// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application_identity.h"

#include "app/deferred_icons.h"

#include <QApplication>

namespace vorantis {

void identifyApplication()
{
    QApplication::setApplicationDisplayName("Vorantis");
    // The id of the installed desktop entry: it matches the window to its menu entry and icon.
    QApplication::setDesktopFileName("org.example.Vorantis");
    QApplication::setWindowIcon(windowIcon());
    deferStyleIcons();
}

} // namespace vorantis
