// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One value as a fraction n/d, a decimal Text1 and a percent Text2. A fraction built from
// a decimal or a percent is put over 100 and reduced; Text5 shows the common factor and
// Text6 the least common multiple of the unreduced terms.

#include "panels/form.h"

namespace vorantis {

void fromfrac_Click(Form& form);
void fromdec_Click(Form& form);
void frompercent_Click(Form& form);

} // namespace vorantis
