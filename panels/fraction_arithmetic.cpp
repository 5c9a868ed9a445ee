// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/fraction_arithmetic.h"

#include "core/convert.h"
#include "core/failure.h"
#include "core/float_ops.h"
#include "core/integer_routines.h"
#include "language/language.h"

#include <cstdint>
#include <string>

namespace vorantis {
namespace {

// Every operation starts here. The minus sign belongs to one subtraction's result only, so it
// goes before anything else; the operator goes up before any operand is read, so a failed
// click still shows which button was pressed.
void begin(Form& form, std::string_view sign)
{
    form.setVisible(Label::Label41, false);
    form.setCaption(Label::Label20, sign);
}

// The field's own text is read at the moment of the product, after the writes before it.
void scale(Form& form, Field field, const Variant& factor)
{
    form.setText(field, VariantToText(product(factor, fieldVariant(form, field))));
}

// Rewrites both fractions over the common denominator, as one adds fractions by hand, and
// returns that denominator.
Variant rewriteOverCommonDenominator(Form& form)
{
    const std::int32_t second = wholeIn(form, Field::Text32);
    const std::int32_t first = wholeIn(form, Field::Text30);
    requireDenominator(form, Field::Text30);
    requireDenominator(form, Field::Text32);
    const Variant common =
        Variant::longInteger(LCM(first, second, fieldName(Field::Text30), fieldName(Field::Text32)));

    // The factors come from the denominators as typed, not from their whole-number
    // roundings: 1/2.5 over a common 10 is scaled by 4, which keeps its value.
    const Variant secondFactor = division(common, fieldVariant(form, Field::Text32));
    const Variant firstFactor = division(common, fieldVariant(form, Field::Text30));
    scale(form, Field::Text30, firstFactor);
    scale(form, Field::Text32, secondFactor);
    scale(form, Field::Text29, firstFactor);
    scale(form, Field::Text31, secondFactor);
    return common;
}

// A product or quotient of a fraction over 0 has no value, whatever the result's terms
// became; it stops before the reduction could show a zero result as an answer.
void requireFractions(const Form& form, bool dividing)
{
    requireDenominator(form, Field::Text30);
    requireDenominator(form, Field::Text32);
    if (dividing && numberIn(form, Field::Text31) == 0)
        throw Failure(FailureKind::DivisionByZero,
                      Message(translatable("the second fraction is 0, and no number can be divided by 0")));
}

// Divides numerator and denominator by their greatest common divisor, found as
// a x b / lcm(a, b) since LCM is the program's one whole-number routine for it.
void reduceResult(Form& form)
{
    // A zero result of two fractions is in lowest terms over 1; LCM, which fails on a 0, is
    // not asked.
    const double denominatorValue = numberIn(form, Field::Text34);
    if (numberIn(form, Field::Text33) == 0 && denominatorValue != 0) {
        form.setText(Field::Text34, "1");
        return;
    }
    const std::int32_t denominator = wholeIn(form, Field::Text34);
    const std::int32_t multiple =
        LCM(wholeIn(form, Field::Text33), denominator, fieldName(Field::Text33), fieldName(Field::Text34));
    const double d = numberIn(form, Field::Text34);
    const double n = numberIn(form, Field::Text33);
    const Variant divisor =
        Variant::number(checkedDivide(n * d, static_cast<double>(multiple),
                                      translatable("the least common multiple of the result's terms")));

    form.setText(Field::Text33, VariantToText(division(fieldVariant(form, Field::Text33), divisor)));
    form.setText(Field::Text34, VariantToText(division(fieldVariant(form, Field::Text34), divisor)));
}

// The unreduced numerator waits in the hidden Text35 and is shown from there.
void showResult(Form& form, const Variant& commonDenominator)
{
    form.setText(Field::Text33, form.text(Field::Text35));
    form.setText(Field::Text34, VariantToText(commonDenominator));
    reduceResult(form);
}

double differenceOf(const Form& form, Field leftField, Field rightField)
{
    const double left = numberIn(form, leftField);
    return checkedSubtract(left, numberIn(form, rightField));
}

double productOf(const Form& form, Field leftField, Field rightField)
{
    const double left = numberIn(form, leftField);
    return checkedMultiply(left, numberIn(form, rightField));
}

} // namespace

void addfrac_Click(Form& form)
{
    begin(form, "+");
    const Variant common = rewriteOverCommonDenominator(form);
    const double first = numberIn(form, Field::Text29);
    form.setText(Field::Text35, DoubleToText(checkedAdd(first, numberIn(form, Field::Text31))));
    showResult(form, common);
}

void subfrac_Click(Form& form)
{
    begin(form, "-");
    const Variant common = rewriteOverCommonDenominator(form);
    // The numerators carry the magnitude of the difference and Label41 its sign, as a
    // result is written by hand.
    const double first = fractionIn(form, Field::Text29, Field::Text30);
    const double second = fractionIn(form, Field::Text31, Field::Text32);
    if (first < second) {
        form.setText(Field::Text35, DoubleToText(differenceOf(form, Field::Text31, Field::Text29)));
        form.setVisible(Label::Label41, true);
    } else {
        form.setText(Field::Text35, DoubleToText(differenceOf(form, Field::Text29, Field::Text31)));
    }
    showResult(form, common);
}

void multifrac_Click(Form& form)
{
    begin(form, "*");
    form.setText(Field::Text34, DoubleToText(productOf(form, Field::Text30, Field::Text32)));
    form.setText(Field::Text33, DoubleToText(productOf(form, Field::Text29, Field::Text31)));
    requireFractions(form, false);
    reduceResult(form);
}

// The first fraction times the reciprocal of the second.
void divfrac_Click(Form& form)
{
    begin(form, "/");
    form.setText(Field::Text33, DoubleToText(productOf(form, Field::Text29, Field::Text32)));
    form.setText(Field::Text34, DoubleToText(productOf(form, Field::Text30, Field::Text31)));
    requireFractions(form, true);
    reduceResult(form);
}

} // namespace vorantis
