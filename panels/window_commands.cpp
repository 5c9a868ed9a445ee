// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/window_commands.h"

#include "language/language.h"

namespace vorantis {

void clear_Click(Form& form)
{
    form.setCaption(Label::Label12, tr("Calculate"));
    form.setCaption(Label::Label17, tr("Check"));
    clear21_Click(form);
}

void clear21_Click(Form& form)
{
    for (const Field field : allFields)
        form.setText(field, "");
    // The minus sign belongs to a result that is now gone.
    form.setVisible(Label::Label41, false);
}

} // namespace vorantis
