// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/calculator.h"

#include "core/convert.h"
#include "language/language.h"
#include "working/explain.h"

namespace vorantis::practice {

Click clickOf(const Exercise& exercise)
{
    PracticeForm form;
    // The fields hold the plain form, "1.125", which a language with a decimal comma reads as
    // grouped thousands: they are typed as a pupil of the language in use types them.
    for (const auto& [field, text] : exercise.fields)
        form.setText(field, respelled(text, languages().front()));
    return runClick(procedure(exercise.procedure), form);
}

working::Entry workingOf(const Exercise& exercise) { return explain(clickOf(exercise)); }

} // namespace vorantis::practice
