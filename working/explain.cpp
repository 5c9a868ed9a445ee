// SPDX-License-Identifier: GPL-3.0-or-later
#include "working/explain.h"

#include "core/failure.h"
#include "language/language.h"
#include "layout/control_table.h"
#include "working/explainers.h"

#include <variant>

namespace vorantis {
namespace {

using working::Entry;
using working::Seen;
using Explainer = void (*)(const Seen&, Entry&);

// No default: a procedure left out here is a switch that does not build.
Explainer explainerFor(ProcedureId id)
{
    switch (id) {
    case ProcedureId::clear:
    case ProcedureId::clear21:
        return working::explainClear;
    case ProcedureId::decadd:
    case ProcedureId::decsub:
    case ProcedureId::decmulti:
    case ProcedureId::mecdiv:
        return working::explainDecimal;
    case ProcedureId::Command3:
        return working::explainIntegerDivision;
    case ProcedureId::Label12:
        return working::explainSquareRoot;
    case ProcedureId::calcsquare:
        return working::explainPower;
    case ProcedureId::Label17:
        return working::explainPrimeTest;
    case ProcedureId::fromfrac:
        return working::explainFromFraction;
    case ProcedureId::fromdec:
        return working::explainFromDecimal;
    case ProcedureId::frompercent:
        return working::explainFromPercent;
    case ProcedureId::simp:
        return working::explainSimplify;
    case ProcedureId::addfrac:
    case ProcedureId::subfrac:
        return working::explainFractionSum;
    case ProcedureId::multifrac:
    case ProcedureId::divfrac:
        return working::explainFractionProduct;
    }
    return nullptr; // no id reaches here
}

// What the click wrote, in the words its fields are named by: said where the working of a
// click cannot be told step by step.
void sayWrites(const Click& click, Entry& entry)
{
    entry.heading = {click.procedure->panel, {}, 1, {}};
    entry.steps.clear();
    entry.result.reset();
    entry.afterword.reset();
    for (const Write& write : click.writes)
        if (const auto* value = std::get_if<std::string>(&write.value)) {
            const ControlRow* row = controlRow(controlName(write.control));
            entry.steps.push_back(working::said(
                translatable("{field} shows {value}"),
                {{"field",
                  working::words(row->messageName.empty() ? controlName(write.control) : row->messageName)},
                 {"value", working::term(*value)}}));
        }
    if (entry.steps.empty() && !click.failed())
        entry.steps.push_back(working::said(translatable("nothing written"), {}));
}

} // namespace

working::Entry explain(const Click& click)
{
    Entry entry;
    entry.language = &currentLanguage();
    entry.failure = click.failure;
    try {
        explainerFor(click.procedure->id)(Seen(click), entry);
    } catch (const Failure&) {
        // A text that supports no step of the working, such as a number typed between two
        // clicks of the same fraction: the entry says what was written.
        sayWrites(click, entry);
    }
    return entry;
}

} // namespace vorantis
