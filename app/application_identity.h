// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vorantis {

// Gives the running QApplication the name, desktop entry and icon a desktop shows for it.
void identifyApplication();

} // namespace vorantis
