#include "panels/form.h"

#include "panels/control_table.h"

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

std::optional<Field> fieldNamed(std::string_view name)
{
    for (const Field field : allFields)
        if (controlName(field) == name)
            return field;
    return std::nullopt;
}

std::string_view spokenName(Field field) { return controlRow(controlName(field))->spokenName; }

} // namespace vorantis
