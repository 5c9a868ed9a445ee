// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/procedures.h"

#include "panels/conversion.h"
#include "panels/decimal.h"
#include "panels/fraction_arithmetic.h"
#include "panels/integer_division.h"
#include "panels/root_power_prime.h"
#include "panels/simplify.h"
#include "panels/window_commands.h"

#include "language/language.h"

#include <array>

namespace vorantis {
namespace {

constexpr std::string_view conversionPanel = translatable("Fraction, Decimal, and Percent");
constexpr std::string_view decimalPanel = translatable("Add, Subtract, Multiply, and Divide");
constexpr std::string_view fractionPanel = translatable("Multiply, Divide, and Add Fractions");

// The results each shows, where the pupil reads the answer; a field that is also typed into
// (n and d, which the conversion buttons and Simplify rewrite) is the pupil's own, not only a
// result.
constexpr std::span<const Control> none{};
constexpr Control decimalResult[]{Field::Text22};
constexpr Control divisionResults[]{Field::Text3, Field::Text4};
constexpr Control rootResult[]{Label::Label12};
constexpr Control powerResult[]{Field::Text15};
constexpr Control primeResult[]{Label::Label17};
constexpr Control fromFractionResults[]{Field::Text1, Field::Text2};
constexpr Control fromDecimalResults[]{Field::Text5, Field::Text6, Field::Text2};
constexpr Control fromPercentResults[]{Field::Text1, Field::Text5, Field::Text6};
constexpr Control simplifyResults[]{Field::Text5, Field::Text6};
constexpr Control fractionResults[]{Field::Text33, Field::Text34};

constexpr std::array table{
    Procedure{ProcedureId::clear, "clear", translatable("Clear"), clear_Click, none},
    Procedure{ProcedureId::clear21, "clear21", translatable("Clear"), clear21_Click, none},
    Procedure{ProcedureId::decadd, "decadd", decimalPanel, decadd_Click, decimalResult},
    Procedure{ProcedureId::decsub, "decsub", decimalPanel, decsub_Click, decimalResult},
    Procedure{ProcedureId::decmulti, "decmulti", decimalPanel, decmulti_Click, decimalResult},
    Procedure{ProcedureId::mecdiv, "mecdiv", decimalPanel, mecdiv_Click, decimalResult},
    Procedure{ProcedureId::Command3, "Command3", translatable("Int Divide"), Command3_Click, divisionResults},
    Procedure{ProcedureId::Label12, "Label12", translatable("Square Root"), Label12_Click, rootResult},
    Procedure{ProcedureId::calcsquare, "calcsquare", translatable("Exponents"), calcsquare_Click,
              powerResult},
    Procedure{ProcedureId::Label17, "Label17", translatable("Prime or Composite"), Label17_Click,
              primeResult},
    Procedure{ProcedureId::fromfrac, "fromfrac", conversionPanel, fromfrac_Click, fromFractionResults},
    Procedure{ProcedureId::fromdec, "fromdec", conversionPanel, fromdec_Click, fromDecimalResults},
    Procedure{ProcedureId::frompercent, "frompercent", conversionPanel, frompercent_Click,
              fromPercentResults},
    Procedure{ProcedureId::simp, "simp", translatable("Simplify"), simp_Click, simplifyResults},
    Procedure{ProcedureId::addfrac, "addfrac", fractionPanel, addfrac_Click, fractionResults},
    Procedure{ProcedureId::subfrac, "subfrac", fractionPanel, subfrac_Click, fractionResults},
    Procedure{ProcedureId::multifrac, "multifrac", fractionPanel, multifrac_Click, fractionResults},
    Procedure{ProcedureId::divfrac, "divfrac", fractionPanel, divfrac_Click, fractionResults},
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

std::span<const std::string_view> captionWords()
{
    static constexpr std::string_view words[]{translatable("Calculate"), translatable("Check"),
                                              translatable("Prime"), translatable("Composite"),
                                              translatable("Neither")};
    return words;
}

const Procedure& procedure(ProcedureId id) { return table[static_cast<std::size_t>(id)]; }

const Procedure* procedureFor(std::string_view control)
{
    for (const Procedure& procedure : table)
        if (procedure.control == control)
            return &procedure;
    return nullptr;
}

} // namespace vorantis
