// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The languages Vorantis speaks. Every text a user reads is written in English in the source,
// marked with tr() where it is said (or translatable() where a table holds it), and looked up
// at that moment in the catalogue of the language in use, which the build makes from the
// translators' po/*.po files. A text with no translation stays English.
//
// The language in use is the one setting the whole program shares: the front end chooses it
// (from the system, the browser or the View menu), and every text and every number written
// from then on follows it. Numbers are the one thing it changes besides the words: in a
// language whose schools write a decimal comma, results are written with a comma, and a typed
// number may have a comma or a point (core/convert.h).

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace vorantis {

struct Language {
    std::string_view code; // "de", as a catalogue and a locale name begin
    std::string_view ownName; // "Deutsch": what a menu lists it by
    bool decimalComma;
};

// English first; it is the source of every other.
std::span<const Language> languages();

const Language& currentLanguage();
void useLanguage(const Language& language);

// The first language of a list of preferences that has a catalogue: a locale's name
// ("de_DE.UTF-8"), a list as LANGUAGE gives it ("nl:de"), or a browser's tags ("fr-CA,fr");
// English where none has. "C" and "POSIX" are English.
const Language& languageFor(std::string_view preferences);
// The language with this code, or nullptr.
const Language* languageCoded(std::string_view code);

// The page has English's words alone at first, and fetches another language's when it is
// chosen: a file the build makes from its po/ files (language/make_catalogue.py), followed by
// its practice room's file where the room's words are wanted too. Gives whether the text was
// such a file, of a language whose words were not there yet.
bool loadLanguage(std::string text);
// Whether the language's words are here, compiled in or loaded; a language without them speaks
// English.
bool hasWords(const Language& language);

// The text in the language in use. An English text that has no translation comes back as it is.
std::string_view tr(std::string_view english);
// The same for a text that one language or another says two ways: `context` says which
// ("heading": the caption over a field, where a button's word would not fit).
std::string_view tr(std::string_view english, std::string_view context);
// The same in the given language, which need not be the one in use.
std::string_view trIn(const Language& language, std::string_view english, std::string_view context = {});

// The form for `count` of the text whose English forms are `one` and `many`.
std::string_view trn(std::string_view one, std::string_view many, unsigned long count);

// Marks a text that a table holds for a later tr(): the catalogue's extractor finds it.
constexpr std::string_view translatable(std::string_view english) { return english; }

struct TextInContext {
    std::string_view context;
    std::string_view english;
};
constexpr TextInContext translatableIn(std::string_view context, std::string_view english)
{
    return {context, english};
}

// The pattern with each {name} replaced by its value: "{field} is empty" with
// {"field", "the divisor"}. A translation orders the placeholders as its language needs. A
// placeholder with no value is a fault of the program: it throws std::logic_error, which no
// click catches, so that a test meets it.
std::string fill(std::string_view pattern,
                 std::initializer_list<std::pair<std::string_view, std::string_view>> values);
std::string fill(std::string_view pattern,
                 std::span<const std::pair<std::string_view, std::string_view>> values);

} // namespace vorantis
