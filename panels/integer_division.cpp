// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/integer_division.h"

#include "core/integer_routines.h"

namespace vorantis {

void Command3_Click(Form& form)
{
    // The fields go to divide as fields, so each step of it reads their text as it is then.
    const Variant dividend = fieldVariant(form, Field::Text23);
    const Variant divisor = fieldVariant(form, Field::Text24);
    form.setText(Field::Text3, VariantToText(divide(dividend, divisor, Variant::integer(1))));
    form.setText(Field::Text4, VariantToText(divide(dividend, divisor, Variant::integer(2))));
}

} // namespace vorantis
