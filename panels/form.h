// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a panel sees of the window: the text of its fields, the caption of the labels that
// procedures write, and whether a label is shown. The Qt window implements it over its
// widgets, the page over its elements; tests implement it in memory.
//
// How a click becomes a result: a front end finds the control's procedure in the table of
// panels/procedures.h and hands it to runClick (panels/dispatch.h) with its form. The
// procedure (one unit a panel, here in panels/) reads fields, computes with the core (core/:
// number texts, Variant, divide, IsPrime, LCM) and writes fields in a fixed order; a step
// that cannot be done throws the core's Failure, which runClick turns into the line the user
// reads. The working (working/) then explains the click from what it read and wrote.
//
// The controls keep the window's own names. By role:
//   conversion and Simplify  n / d the fraction, Text1 the decimal, Text2 the percent,
//                            Text5 the common factor (headed "LCM"), Text6 the least common
//                            multiple (headed "LCD")
//   square root              Text8 the number; Label12 ("Calculate") is clicked and shows the root
//   prime test               Text9 the number; Label17 ("Check") is clicked and shows the verdict
//   exponents                Text13 the base, Text14 the exponent, Text15 the power
//   decimal arithmetic       Text20 op Text21 = Text22; Label36 shows the operation's sign
//   integer division         Text23 ÷ Text24 gives Text3 remainder Text4
//   fraction arithmetic      Text29/Text30 op Text31/Text32 = Text33/Text34; Label20 the sign,
//                            Label41 the result's minus sign, Text35 a hidden scratch field
// The table in layout/control_table.cpp gives every control's caption, place and spoken name.

#include "core/variant.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace vorantis {

// The 25 text fields, in the order the Clear commands empty them; their names are the
// control names of the window.
// clang-format off
#define VORANTIS_FIELDS(X)                                                                         \
    X(n) X(d) X(Text1) X(Text2) X(Text3) X(Text4) X(Text5) X(Text6) X(Text8) X(Text9) X(Text13)   \
    X(Text14) X(Text15) X(Text20) X(Text21) X(Text22) X(Text23) X(Text24) X(Text29) X(Text30)     \
    X(Text31) X(Text32) X(Text33) X(Text34) X(Text35)
// clang-format on
// The labels a procedure writes or shows.
#define VORANTIS_LABELS(X) X(Label12) X(Label17) X(Label20) X(Label36) X(Label41)

#define VORANTIS_ENUMERATOR(name) name,
#define VORANTIS_FIELD(name) Field::name,
#define VORANTIS_LABEL(name) Label::name,

enum class Field { VORANTIS_FIELDS(VORANTIS_ENUMERATOR) };
enum class Label { VORANTIS_LABELS(VORANTIS_ENUMERATOR) };

inline constexpr std::array allFields{VORANTIS_FIELDS(VORANTIS_FIELD)};
inline constexpr std::array allLabels{VORANTIS_LABELS(VORANTIS_LABEL)};

#undef VORANTIS_ENUMERATOR
#undef VORANTIS_FIELD
#undef VORANTIS_LABEL

// A control a procedure writes or shows its answer in: a field or a label, by its identity.
using Control = std::variant<Field, Label>;

// The control name, as the window and its tests know it: for the edges, an element's id or a
// widget's object name.
std::string_view controlName(Field field);
std::string_view controlName(Label label);
std::string_view controlName(Control control);

// The field with this control name, if there is one.
std::optional<Field> fieldNamed(std::string_view name);

// What a message calls a field, in English words that the message says in the language in use:
// "the divisor".
std::string_view fieldName(Field field);

class Form {
public:
    virtual ~Form() = default;

    virtual std::string text(Field field) const = 0;
    virtual void setText(Field field, std::string_view text) = 0;

    virtual std::string caption(Label label) const = 0;
    virtual void setCaption(Label label, std::string_view caption) = 0;

    virtual void setVisible(Label label, bool visible) = 0;
};

// A Variant that stands for the field's current text whenever it is used, and names the field
// when it fails. The form must outlive it.
inline Variant fieldVariant(const Form& form, Field field)
{
    return Variant::field([&form, field] { return form.text(field); }, fieldName(field));
}

// The field's text read as a number, or rounded to a whole number; a failure names the field.
double numberIn(const Form& form, Field field);
std::int32_t wholeIn(const Form& form, Field field);

// The value of the fraction in the two fields, the numerator read first.
double fractionIn(const Form& form, Field numerator, Field denominator);

// Fails where the field, the denominator of a fraction, reads as 0: such a fraction has no
// value, which the pupil is told in those words rather than through the routine that would
// stumble on the 0 later.
void requireDenominator(const Form& form, Field denominator);

} // namespace vorantis
