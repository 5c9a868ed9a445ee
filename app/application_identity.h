// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vorantis {

// Gives the running QApplication the name, desktop entry and icon a desktop shows for it, and
// has the icons it may draw read only when drawn. Call it before the first widget is made.
void identifyApplication();

} // namespace vorantis
