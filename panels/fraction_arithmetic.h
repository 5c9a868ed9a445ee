// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The four operations on Text29/Text30 and Text31/Text32, with the operator in Label20
// and the result, reduced, in Text33/Text34. Addition and subtraction first rewrite both
// operands over their common denominator; a negative difference shows Label41.

#include "panels/form.h"

namespace vorantis {

void addfrac_Click(Form& form);
void subfrac_Click(Form& form);
void multifrac_Click(Form& form);
void divfrac_Click(Form& form);

} // namespace vorantis
