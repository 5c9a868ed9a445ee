// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/speech.h"

#include "language/catalogue.h"
#include "language/language.h"

#include <algorithm>

namespace vorantis {
namespace {

const catalogue::SpeechRule* ruleIn(std::string_view code, std::string_view name)
{
    const catalogue::Catalogue* in = catalogue::catalogueOf(code);
    if (!in)
        return nullptr;
    const auto found =
        std::lower_bound(in->speech.begin(), in->speech.end(), name,
                         [](const catalogue::SpeechRule& r, std::string_view n) { return r.name < n; });
    return found != in->speech.end() && found->name == name ? &*found : nullptr;
}

} // namespace

std::string_view speechRule(std::string_view name)
{
    if (const auto* rule = ruleIn(currentLanguage().code, name))
        return rule->said;
    const auto* english = ruleIn(languages().front().code, name);
    return english ? english->said : std::string_view();
}

} // namespace vorantis
