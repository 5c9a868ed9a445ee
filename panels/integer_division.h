// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// "Int Divide": Text23 divided by Text24 gives the whole-number quotient in Text3 and the
// remainder in Text4.

#include "panels/form.h"

namespace vorantis {

void Command3_Click(Form& form);

} // namespace vorantis
