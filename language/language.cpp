// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/language.h"

#include "language/catalogue.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace vorantis {
namespace {

// In the order of the catalogues the build makes (language/CMakeLists.txt).
constexpr std::array languageTable{
    Language{"en", "English", false}, Language{"de", "Deutsch", true},    Language{"fr", "Français", true},
    Language{"es", "Español", true},  Language{"nl", "Nederlands", true},
};

const Language* inUse = &languageTable.front();

const catalogue::Catalogue& catalogueOf(const Language& language)
{
    return catalogue::catalogues[static_cast<std::size_t>(&language - languageTable.data())];
}

const catalogue::Catalogue& catalogueInUse() { return catalogueOf(*inUse); }

const catalogue::Entry* entryFor(std::string_view english, const catalogue::Catalogue& in = catalogueInUse())
{
    const std::span<const catalogue::Entry> entries = in.entries;
    const auto found =
        std::lower_bound(entries.begin(), entries.end(), english,
                         [](const catalogue::Entry& e, std::string_view id) { return e.english < id; });
    return found != entries.end() && found->english == english ? &*found : nullptr;
}

} // namespace

std::span<const Language> languages() { return languageTable; }

const Language& currentLanguage() { return *inUse; }

void useLanguage(const Language& language) { inUse = languageCoded(language.code); }

const Language* languageCoded(std::string_view code)
{
    for (const Language& language : languageTable)
        if (language.code == code)
            return &language;
    return nullptr;
}

const Language& languageFor(std::string_view preferences)
{
    while (!preferences.empty()) {
        const std::size_t end = std::min(preferences.find_first_of(":,"), preferences.size());
        std::string_view preference = preferences.substr(0, end);
        preferences.remove_prefix(std::min(end + 1, preferences.size()));
        // "de_DE.UTF-8", "de-AT", "de;q=0.8": the language is the letters before the first mark.
        const std::size_t letters =
            std::find_if(preference.begin(), preference.end(), [](char c) { return !std::isalpha(c); }) -
            preference.begin();
        std::string code(preference.substr(0, letters));
        std::transform(code.begin(), code.end(), code.begin(), [](char c) { return std::tolower(c); });
        if (const Language* language = languageCoded(code))
            return *language;
    }
    return languageTable.front();
}

std::string_view tr(std::string_view english) { return trIn(*inUse, english); }

std::string_view tr(std::string_view english, std::string_view context) { return trIn(*inUse, english, context); }

std::string_view trIn(const Language& language, std::string_view english, std::string_view context)
{
    const catalogue::Catalogue& in = catalogueOf(*languageCoded(language.code));
    const catalogue::Entry* entry =
        context.empty() ? entryFor(english, in) : entryFor(std::string(context) + '\x04' + std::string(english), in);
    return entry ? entry->texts[0] : english;
}

std::string_view trn(std::string_view one, std::string_view many, unsigned long count)
{
    const bool other = catalogueInUse().pluralFromTwo ? count > 1 : count != 1;
    const catalogue::Entry* entry = entryFor(one);
    if (!entry)
        return other ? many : one;
    return entry->texts[other ? 1 : 0];
}

std::string fill(std::string_view pattern,
                 std::initializer_list<std::pair<std::string_view, std::string_view>> values)
{
    return fill(pattern, std::span(values.begin(), values.size()));
}

std::string fill(std::string_view pattern, std::span<const std::pair<std::string_view, std::string_view>> values)
{
    std::string text;
    while (!pattern.empty()) {
        const std::size_t open = pattern.find('{');
        const std::size_t close = pattern.find('}', open);
        text += pattern.substr(0, open);
        if (open == std::string_view::npos || close == std::string_view::npos) {
            if (open != std::string_view::npos)
                text += pattern.substr(open);
            break;
        }
        const std::string_view name = pattern.substr(open + 1, close - open - 1);
        const auto value =
            std::find_if(values.begin(), values.end(), [name](const auto& v) { return v.first == name; });
        text += value != values.end() ? value->second : pattern.substr(open, close - open + 1);
        pattern.remove_prefix(close + 1);
    }
    return text;
}

} // namespace vorantis
