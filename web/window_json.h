// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The whole window as the page lays it out, from layout/: the controls, their panels and
// stacking, the Tab order, the menus, the faces, the pen, the zoom and the texts.

#include <string>

namespace vorantis {

std::string windowJson();

} // namespace vorantis
