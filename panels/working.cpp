#include "panels/working.h"

#include "panels/working_panels.h"

#include <array>
#include <exception>
#include <utility>

namespace vorantis {
namespace {

using working::Entry;

constexpr std::array<std::pair<std::string_view, void (*)(Entry&)>, 18> explainers{{
    {"clear", working::explainClear},
    {"clear21", working::explainClear},
    {"decadd", working::explainDecimal},
    {"decsub", working::explainDecimal},
    {"decmulti", working::explainDecimal},
    {"mecdiv", working::explainDecimal},
    {"Command3", working::explainIntegerDivision},
    {"Label12", working::explainSquareRoot},
    {"calcsquare", working::explainPower},
    {"Label17", working::explainPrimeTest},
    {"fromfrac", working::explainFromFraction},
    {"fromdec", working::explainFromDecimal},
    {"frompercent", working::explainFromPercent},
    {"simp", working::explainSimplify},
    {"addfrac", working::explainFractionSum},
    {"subfrac", working::explainFractionSum},
    {"multifrac", working::explainFractionProduct},
    {"divfrac", working::explainFractionProduct},
}};

// What a label shows, in words, for the plain statement of a click.
std::string labelWords(std::string_view control)
{
    if (control == "Label12")
        return "the square root";
    if (control == "Label17")
        return "the prime test";
    if (control == "Label41")
        return "the minus sign of the fraction result";
    return "the operation sign";
}

// Every write of the click in words, then its failure's message: for a click whose texts support
// no step-by-step working.
std::string plainEntry(const Click& click)
{
    const std::string panel(click.procedure->panel);
    std::string text = panel + ": " + (click.writes.empty() ? "nothing written" : "");
    for (const auto& [control, value] : click.writes) {
        const auto field = fieldNamed(control);
        text += (text.ends_with(": ") ? "" : "\n") +
            (field ? std::string(fieldName(*field)) : labelWords(control));
        text += control == "Label41" ? " is " + value : " shows " + working::shown(value);
    }
    const bool named = click.failure.starts_with(panel + ": ");
    return click.failure.empty() ? text : text + "\n" + click.failure.substr(named ? panel.size() + 2 : 0);
}

} // namespace

std::string explain(const Click& click)
{
    try {
        if (!click.procedure)
            return "No click";
        for (const auto& [control, explainer] : explainers) {
            if (control != click.procedure->control)
                continue;
            Entry entry(click);
            explainer(entry);
            if (std::string text = entry.text(); !text.empty())
                return text;
        }
    } catch (const std::exception&) {
        // A text that supports no step of the working: say plainly what the click did.
    }
    try {
        return plainEntry(click);
    } catch (const std::exception&) {
        return "The working of this click could not be written";
    }
}

} // namespace vorantis
