// SPDX-License-Identifier: GPL-3.0-or-later
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

} // namespace

std::string explain(const Click& click)
{
    try {
        for (const auto& [control, explainer] : explainers) {
            if (control != click.procedure->control)
                continue;
            Entry entry(click);
            explainer(entry);
            if (std::string text = entry.text(); !text.empty())
                return text;
        }
    } catch (const std::exception&) {
        // Texts that support no step of the working: the entry says what the user read.
    }
    return click.failure.empty() ? std::string(click.procedure->panel) + ": done" : click.failure;
}

} // namespace vorantis
