// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// "Add, Subtract, Multiply, and Divide": Text20 op Text21 = Text22, with the sign in
// Label36. The sign is written before either operand is read, so a failed click still
// shows the sign of the button that was pressed.

#include "panels/form.h"

namespace vorantis {

void decadd_Click(Form& form);
void decsub_Click(Form& form);
void decmulti_Click(Form& form);
void mecdiv_Click(Form& form);

} // namespace vorantis
