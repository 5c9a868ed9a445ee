// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/form.h"

#include "core/convert.h"
#include "core/failure.h"
#include "core/float_ops.h"
#include "language/language.h"
#include "layout/control_table.h"

#include <string>

namespace vorantis {

#define VORANTIS_NAME(name) #name,

std::string_view controlName(Field field)
{
    static constexpr std::string_view names[]{VORANTIS_FIELDS(VORANTIS_NAME)};
    return names[static_cast<std::size_t>(field)];
}

std::string_view controlName(Label label)
{
    static constexpr std::string_view names[]{VORANTIS_LABELS(VORANTIS_NAME)};
    return names[static_cast<std::size_t>(label)];
}

#undef VORANTIS_NAME

std::string_view controlName(Control control)
{
    return std::visit([](auto identity) { return controlName(identity); }, control);
}

std::optional<Field> fieldNamed(std::string_view name)
{
    for (const Field field : allFields)
        if (controlName(field) == name)
            return field;
    return std::nullopt;
}

std::string_view fieldName(Field field) { return controlRow(controlName(field))->messageName; }

double numberIn(const Form& form, Field field) { return TextToDouble(form.text(field), fieldName(field)); }

std::int32_t wholeIn(const Form& form, Field field) { return TextToLong(form.text(field), fieldName(field)); }

double fractionIn(const Form& form, Field numerator, Field denominator)
{
    const double top = numberIn(form, numerator);
    return checkedDivide(top, numberIn(form, denominator), fieldName(denominator));
}

void requireDenominator(const Form& form, Field denominator)
{
    if (numberIn(form, denominator) == 0)
        throw Failure(FailureKind::DivisionByZero,
                      Message(translatable("{field} is 0, and a fraction cannot have 0 as its denominator"),
                              {{"field", Message::Words{fieldName(denominator)}}}));
}

} // namespace vorantis
