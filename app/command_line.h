// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace vorantis {

// Answers what the command line asks before any window exists, so that --help, --version
// and a mistyped option work without a display: returns the exit status when the program
// is to end here (0 after --help or --version, 1 when that answer could not be written, 2
// for a bad command line), and nothing when it is to open its window. Qt's own options,
// such as -platform or -style, are accepted and left for QApplication.
std::optional<int> answerCommandLine(int argc, char* argv[]);

} // namespace vorantis
