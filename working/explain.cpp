// SPDX-License-Identifier: GPL-3.0-or-later
#include "working/explain.h"

#include "language/language.h"
#include "layout/control_table.h"
#include "working/explainers.h"

#include <exception>
#include <string>
#include <variant>

namespace vorantis {
namespace {

using working::Entry;
using Explainer = void (*)(Entry&);

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
std::string writesOf(const Click& click)
{
    const auto nameOf = [](std::string_view control) {
        const ControlRow* row = controlRow(control);
        return std::string(row && !row->messageName.empty() ? tr(row->messageName) : control);
    };
    std::string text;
    for (const Write& write : click.writes)
        if (const auto* value = std::get_if<std::string>(&write.value))
            text += (text.empty() ? "" : "; ") +
                fill(tr("{field} shows {value}"),
                     {{"field", nameOf(write.control)}, {"value", working::shown(*value)}});
    return fill(
        tr("{panel}: {message}"),
        {{"panel", tr(click.procedure->panel)}, {"message", text.empty() ? tr("nothing written") : text}});
}

} // namespace

std::string explain(const Click& click)
{
    try {
        Entry entry(click);
        explainerFor(click.procedure->id)(entry);
        if (std::string text = entry.text(); !text.empty())
            return text;
    } catch (const std::exception&) {
        // A text that supports no step of the working, such as a number typed between two
        // clicks of the same fraction: the entry says what the user read, or what was written.
    }
    return click.failed() ? statusLine(click) : writesOf(click);
}

} // namespace vorantis
