// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// "Simplify": reduces the fraction n/d in place, showing the common factor in Text5 and the
// least common multiple of the reduced terms in Text6.

#include "panels/form.h"

namespace vorantis {

void simp_Click(Form& form);

} // namespace vorantis
