#include "panels/decimal.h"

#include "core/convert.h"
#include "core/float_ops.h"

namespace vorantis {
namespace {

void calculate(Form& form, std::string_view sign, double (*operation)(double, double))
{
    form.setCaption(Label::Label36, sign);
    const double left = TextToDouble(form.text(Field::Text20));
    const double right = TextToDouble(form.text(Field::Text21));
    form.setText(Field::Text22, DoubleToText(operation(left, right)));
}

} // namespace

void decadd_Click(Form& form) { calculate(form, "+", checkedAdd); }
void decsub_Click(Form& form) { calculate(form, "-", checkedSubtract); }
void decmulti_Click(Form& form) { calculate(form, "*", checkedMultiply); }
void mecdiv_Click(Form& form) { calculate(form, "/", checkedDivide); }

} // namespace vorantis
