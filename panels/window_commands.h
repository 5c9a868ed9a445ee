// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two Clear commands. The File menu's Clear also puts back "Calculate" and "Check",
// which the square root and prime panels overwrite with their results; the Clear button
// leaves those results on view. Both hide the minus sign of the fraction result with the
// result itself; neither touches the operator signs.

#include "panels/form.h"

namespace vorantis {

void clear_Click(Form& form);
void clear21_Click(Form& form);

} // namespace vorantis
