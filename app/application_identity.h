// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace vorantis {

// The window's icon, the installed one built in, each size read as the PNG it is when first
// asked for.
QIcon windowIcon();

// Gives the running QApplication the name, desktop entry and icon a desktop shows for it, and
// has the icons it may draw read only when drawn. Call it before the first widget is made.
void identifyApplication();

} // namespace vorantis
