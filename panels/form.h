#pragma once

// What a panel sees of the window: the text of its fields, the caption of the labels that
// procedures write, and whether a label is shown. The Qt window implements it over its
// widgets; tests implement it in memory and record the order of writes.

#include "core/variant.h"

#include <array>
#include <string>
#include <string_view>

namespace vorantis {

// The 25 text fields, in the order the Clear commands empty them.
// clang-format off
enum class Field {
    n, d, Text1, Text2, Text3, Text4, Text5, Text6, Text8, Text9, Text13, Text14, Text15,
    Text20, Text21, Text22, Text23, Text24, Text29, Text30, Text31, Text32, Text33, Text34, Text35,
};

inline constexpr std::array<Field, 25> allFields{
    Field::n,      Field::d,      Field::Text1,  Field::Text2,  Field::Text3,
    Field::Text4,  Field::Text5,  Field::Text6,  Field::Text8,  Field::Text9,
    Field::Text13, Field::Text14, Field::Text15, Field::Text20, Field::Text21,
    Field::Text22, Field::Text23, Field::Text24, Field::Text29, Field::Text30,
    Field::Text31, Field::Text32, Field::Text33, Field::Text34, Field::Text35,
};
// clang-format on

// The labels a procedure writes or shows.
enum class Label { Label12, Label17, Label20, Label36, Label41 };

inline constexpr std::array<Label, 5> allLabels{
    Label::Label12, Label::Label17, Label::Label20, Label::Label36, Label::Label41,
};

// The control name, as the window and its tests know it.
std::string_view controlName(Field field);
std::string_view controlName(Label label);

class Form {
public:
    virtual ~Form() = default;

    virtual std::string text(Field field) const = 0;
    virtual void setText(Field field, std::string_view text) = 0;

    virtual std::string caption(Label label) const = 0;
    virtual void setCaption(Label label, std::string_view caption) = 0;

    virtual void setVisible(Label label, bool visible) = 0;
};

// A Variant that stands for the field's current text whenever it is used. The form must
// outlive it.
inline Variant fieldVariant(const Form& form, Field field)
{
    return Variant::field([&form, field] { return form.text(field); });
}

} // namespace vorantis
