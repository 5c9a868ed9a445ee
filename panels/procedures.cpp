// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/procedures.h"

#include "panels/conversion.h"
#include "panels/decimal.h"
#include "panels/fraction_arithmetic.h"
#include "panels/integer_division.h"
#include "panels/root_power_prime.h"
#include "panels/simplify.h"
#include "panels/window_commands.h"

#include <array>

namespace vorantis {
namespace {

constexpr std::string_view conversionPanel = "Fraction, Decimal, and Percent";
constexpr std::string_view decimalPanel = "Add, Subtract, Multiply, and Divide";
constexpr std::string_view fractionPanel = "Multiply, Divide, and Add Fractions";

constexpr std::array table{
    Procedure{"clear", "Clear", clear_Click},
    Procedure{"clear21", "Clear", clear21_Click},
    Procedure{"decadd", decimalPanel, decadd_Click},
    Procedure{"decsub", decimalPanel, decsub_Click},
    Procedure{"decmulti", decimalPanel, decmulti_Click},
    Procedure{"mecdiv", decimalPanel, mecdiv_Click},
    Procedure{"Command3", "Int Divide", Command3_Click},
    Procedure{"Label12", "Square Root", Label12_Click},
    Procedure{"calcsquare", "Exponents", calcsquare_Click},
    Procedure{"Label17", "Prime or Composite", Label17_Click},
    Procedure{"fromfrac", conversionPanel, fromfrac_Click},
    Procedure{"fromdec", conversionPanel, fromdec_Click},
    Procedure{"frompercent", conversionPanel, frompercent_Click},
    Procedure{"simp", "Simplify", simp_Click},
    Procedure{"addfrac", fractionPanel, addfrac_Click},
    Procedure{"subfrac", fractionPanel, subfrac_Click},
    Procedure{"multifrac", fractionPanel, multifrac_Click},
    Procedure{"divfrac", fractionPanel, divfrac_Click},
};

} // namespace

std::span<const Procedure> procedures() { return table; }

const Procedure* procedureFor(std::string_view control)
{
    for (const Procedure& procedure : table)
        if (procedure.control == control)
            return &procedure;
    return nullptr;
}

} // namespace vorantis
