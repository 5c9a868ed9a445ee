// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/speech.h"

#include "language/language.h"

#include <algorithm>

namespace vorantis {
namespace {

const speech::SpeechRule* ruleIn(std::string_view code, std::string_view name)
{
    for (const speech::SpeechRules& language : speech::rules) {
        if (language.code != code)
            continue;
        const auto found = std::lower_bound(language.rules.begin(), language.rules.end(), name,
                                            [](const speech::SpeechRule& r, std::string_view n) { return r.name < n; });
        return found != language.rules.end() && found->name == name ? &*found : nullptr;
    }
    return nullptr;
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
