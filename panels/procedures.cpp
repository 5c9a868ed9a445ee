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
    Procedure{ProcedureId::clear, "clear", "Clear", clear_Click},
    Procedure{ProcedureId::clear21, "clear21", "Clear", clear21_Click},
    Procedure{ProcedureId::decadd, "decadd", decimalPanel, decadd_Click},
    Procedure{ProcedureId::decsub, "decsub", decimalPanel, decsub_Click},
    Procedure{ProcedureId::decmulti, "decmulti", decimalPanel, decmulti_Click},
    Procedure{ProcedureId::mecdiv, "mecdiv", decimalPanel, mecdiv_Click},
    Procedure{ProcedureId::Command3, "Command3", "Int Divide", Command3_Click},
    Procedure{ProcedureId::Label12, "Label12", "Square Root", Label12_Click},
    Procedure{ProcedureId::calcsquare, "calcsquare", "Exponents", calcsquare_Click},
    Procedure{ProcedureId::Label17, "Label17", "Prime or Composite", Label17_Click},
    Procedure{ProcedureId::fromfrac, "fromfrac", conversionPanel, fromfrac_Click},
    Procedure{ProcedureId::fromdec, "fromdec", conversionPanel, fromdec_Click},
    Procedure{ProcedureId::frompercent, "frompercent", conversionPanel, frompercent_Click},
    Procedure{ProcedureId::simp, "simp", "Simplify", simp_Click},
    Procedure{ProcedureId::addfrac, "addfrac", fractionPanel, addfrac_Click},
    Procedure{ProcedureId::subfrac, "subfrac", fractionPanel, subfrac_Click},
    Procedure{ProcedureId::multifrac, "multifrac", fractionPanel, multifrac_Click},
    Procedure{ProcedureId::divfrac, "divfrac", fractionPanel, divfrac_Click},
};

static_assert(table.size() == procedureCount);

consteval bool inOrderOfIds()
{
    for (std::size_t i = 0; i < table.size(); ++i)
        if (static_cast<std::size_t>(table[i].id) != i)
            return false;
    return true;
}
static_assert(inOrderOfIds(), "a procedure's row is found by its id");

} // namespace

std::span<const Procedure> procedures() { return table; }

const Procedure& procedure(ProcedureId id) { return table[static_cast<std::size_t>(id)]; }

const Procedure* procedureFor(std::string_view control)
{
    for (const Procedure& procedure : table)
        if (procedure.control == control)
            return &procedure;
    return nullptr;
}

} // namespace vorantis
