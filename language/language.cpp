// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/language.h"

#include "language/catalogue.h"

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace vorantis {
namespace {

// A language's words fetched by the page: the file's text, and the tables that point into it.
struct Loaded {
    std::string text;
    std::vector<catalogue::Entry> entries;
    std::vector<catalogue::SpeechRule> speech;
    catalogue::Catalogue catalogue;
};

std::vector<std::unique_ptr<Loaded>>& loaded()
{
    static std::vector<std::unique_ptr<Loaded>> languages;
    return languages;
}

const Language* inUse = &catalogue::known.front();

const catalogue::Catalogue* catalogueInUse() { return catalogue::catalogueOf(inUse->code); }

const catalogue::Entry* entryFor(std::string_view english, const catalogue::Catalogue* in)
{
    if (!in)
        return nullptr;
    const auto found =
        std::lower_bound(in->entries.begin(), in->entries.end(), english,
                         [](const catalogue::Entry& e, std::string_view id) { return e.english < id; });
    return found != in->entries.end() && found->english == english ? &*found : nullptr;
}

// The fields of a record of a .lang file, apart by \x1f.
std::vector<std::string_view> fieldsOf(std::string_view record)
{
    std::vector<std::string_view> fields;
    for (std::size_t at = 0;;) {
        const std::size_t end = record.find('\x1f', at);
        fields.push_back(record.substr(at, end - at));
        if (end == std::string_view::npos)
            return fields;
        at = end + 1;
    }
}

} // namespace

const catalogue::Catalogue* catalogue::catalogueOf(std::string_view code)
{
    for (const Catalogue& compiledOne : compiled)
        if (compiledOne.code == code)
            return &compiledOne;
    for (const auto& one : loaded())
        if (one->catalogue.code == code)
            return &one->catalogue;
    return nullptr;
}

bool loadLanguage(std::string text)
{
    auto language = std::make_unique<Loaded>();
    language->text = std::move(text);
    std::string_view rest = language->text;
    bool first = true;
    for (std::size_t end; (end = rest.find('\x1e')) != std::string_view::npos; rest.remove_prefix(end + 1)) {
        const std::vector<std::string_view> fields = fieldsOf(rest.substr(0, end));
        if (first && fields.size() == 2)
            language->catalogue = {fields[0], fields[1] == "1", {}, {}};
        else if (fields.size() == 5 && fields[0] == "e")
            language->entries.push_back({fields[1], fields[2], {fields[3], fields[4]}});
        else if (fields.size() == 3 && fields[0] == "s")
            language->speech.push_back({fields[1], fields[2]});
        else
            return false; // not a file of a language's words
        first = false;
    }
    if (first || !languageCoded(language->catalogue.code) || catalogue::catalogueOf(language->catalogue.code))
        return false;
    // A file's entries are in order; a second file's (the practice room's) follow them, each put
    // in its place (far lighter in the module than a general sort).
    std::vector<catalogue::Entry>& entries = language->entries;
    for (std::size_t i = 1; i < entries.size(); ++i) {
        const catalogue::Entry entry = entries[i];
        std::size_t at = i;
        for (; at > 0 && entry.english < entries[at - 1].english; --at)
            entries[at] = entries[at - 1];
        entries[at] = entry;
    }
    language->catalogue.entries = language->entries;
    language->catalogue.speech = language->speech;
    loaded().push_back(std::move(language));
    return true;
}

bool hasWords(const Language& language) { return catalogue::catalogueOf(language.code) != nullptr; }

std::span<const Language> languages() { return catalogue::known; }

const Language& currentLanguage() { return *inUse; }

void useLanguage(const Language& language) { inUse = languageCoded(language.code); }

const Language* languageCoded(std::string_view code)
{
    for (const Language& language : catalogue::known)
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
            std::find_if(preference.begin(), preference.end(),
                         [](char c) { return c < 'A' || (c > 'Z' && c < 'a') || c > 'z'; }) -
            preference.begin();
        std::string code(preference.substr(0, letters));
        std::transform(code.begin(), code.end(), code.begin(),
                       [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
        if (const Language* language = languageCoded(code))
            return *language;
    }
    return catalogue::known.front();
}

std::string_view tr(std::string_view english) { return trIn(*inUse, english); }

std::string_view tr(std::string_view english, std::string_view context)
{
    return trIn(*inUse, english, context);
}

std::string_view trIn(const Language& language, std::string_view english, std::string_view context)
{
    const catalogue::Catalogue* in = catalogue::catalogueOf(language.code);
    const catalogue::Entry* entry = context.empty()
        ? entryFor(english, in)
        : entryFor(std::string(context) + '\x04' + std::string(english), in);
    return entry ? entry->texts[0] : english;
}

std::string_view trn(std::string_view one, std::string_view many, unsigned long count)
{
    const catalogue::Catalogue* in = catalogueInUse();
    const bool other = in && in->pluralFromTwo ? count > 1 : count != 1;
    const catalogue::Entry* entry = entryFor(one, in);
    if (!entry)
        return other ? many : one;
    return entry->texts[other ? 1 : 0];
}

std::string fill(std::string_view pattern,
                 std::initializer_list<std::pair<std::string_view, std::string_view>> values)
{
    return fill(pattern, std::span(values.begin(), values.size()));
}

std::string fill(std::string_view pattern,
                 std::span<const std::pair<std::string_view, std::string_view>> values)
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
        if (value == values.end()) // a pattern and its values that do not match: a fault of the program
            throw std::logic_error("no value for {" + std::string(name) + "} in \"" + std::string(pattern) +
                                   "\"");
        text += value->second;
        pattern.remove_prefix(close + 1);
    }
    return text;
}

} // namespace vorantis
