// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

#include <memory>

namespace vorantis {

// Makes the application object, whose platform plugin opens the display. Where the display
// cannot be opened, however it was named (DISPLAY, WAYLAND_DISPLAY, -display, -platform,
// QT_QPA_PLATFORM), the program says so in one line and ends with status 1; what Qt says while
// its platform starts is passed on once the application is made.
std::unique_ptr<QApplication> startApplication(int& argc, char* argv[]);

} // namespace vorantis
