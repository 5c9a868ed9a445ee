// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Three small panels: the square root of Text8 shown in the caption of Label12, Text13 to
// the power Text14 in Text15, and the prime test of Text9 shown in the caption of Label17.

#include "panels/form.h"

namespace vorantis {

void Label12_Click(Form& form);
void calcsquare_Click(Form& form);
void Label17_Click(Form& form);

} // namespace vorantis
