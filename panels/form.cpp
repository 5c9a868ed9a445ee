#include "panels/form.h"

namespace vorantis {

std::string_view controlName(Field field)
{
    // clang-format off
    static constexpr std::array<std::string_view, allFields.size()> names{
        "n",      "d",      "Text1",  "Text2",  "Text3",  "Text4",  "Text5",
        "Text6",  "Text8",  "Text9",  "Text13", "Text14", "Text15", "Text20",
        "Text21", "Text22", "Text23", "Text24", "Text29", "Text30", "Text31",
        "Text32", "Text33", "Text34", "Text35",
    };
    // clang-format on
    return names[static_cast<std::size_t>(field)];
}

std::string_view controlName(Label label)
{
    static constexpr std::array<std::string_view, allLabels.size()> names{
        "Label12", "Label17", "Label20", "Label36", "Label41",
    };
    return names[static_cast<std::size_t>(label)];
}

} // namespace vorantis
