// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/decimal.h"

#include "core/convert.h"
#include "core/float_ops.h"

namespace vorantis {
namespace {

void calculate(Form& form, std::string_view sign, double (*operation)(double, double))
{
    form.setCaption(Label::Label36, sign);
    const double left = numberIn(form, Field::Text20);
    const double right = numberIn(form, Field::Text21);
    form.setText(Field::Text22, DoubleToText(operation(left, right)));
}

double divideByRightOperand(double left, double right)
{
    return checkedDivide(left, right, fieldName(Field::Text21));
}

} // namespace

void decadd_Click(Form& form) { calculate(form, "+", checkedAdd); }
void decsub_Click(Form& form) { calculate(form, "-", checkedSubtract); }
void decmulti_Click(Form& form) { calculate(form, "*", checkedMultiply); }
void mecdiv_Click(Form& form) { calculate(form, "/", divideByRightOperand); }

} // namespace vorantis
