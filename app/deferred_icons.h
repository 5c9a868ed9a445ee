// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

#include <functional>

namespace vorantis {

// An icon whose images are made only when something first draws it or asks for its sizes. At
// a start nothing draws the menu bar's overflow arrow (the menus fit), and on most platforms
// nothing draws the window's icon; reading either image at once had Qt load every image format
// plugin before the first frame.
QIcon deferredIcon(std::function<QIcon()> make);

// Puts the application's style behind one that hands out its standard icons deferred. Call it
// once the QApplication exists, before the first widget.
void deferStyleIcons();

} // namespace vorantis
