// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's script calls: the window to lay out, a click on one of its controls, and
// the working kept of the clicks.

#include "core/convert.h"
#include "language/language.h"
#include "panels/dispatch.h"
#include "panels/procedures.h"
#include "web/json.h"
#include "web/page_form.h"
#include "web/window_json.h"
#include "working/explain.h"
#include "working/log.h"
#include "working/mathml.h"
#include "working/plain_text.h"
#include "working/speech.h"

#include <emscripten/emscripten.h>

#include <string>
#include <string_view>

namespace {

vorantis::WorkingLog& workingLog()
{
    static vorantis::WorkingLog log;
    return log;
}

// The controls by their names, which are the page's element ids.
std::string controlNames(const std::vector<vorantis::Control>& controls)
{
    return vorantis::json::array(controls, [](vorantis::Control control) {
        return vorantis::json::string(vorantis::controlName(control));
    });
}

// What the status line says of the last click, kept to be said again in another language.
vorantis::StatusNote& lastStatus()
{
    static vorantis::StatusNote status;
    return status;
}

} // namespace

extern "C" {

// The whole window as JSON (web/window_json.h), in the language in use.
EMSCRIPTEN_KEEPALIVE const char* vorantis_window()
{
    static std::string json;
    json = vorantis::windowJson();
    return json.c_str();
}

// The code of the first language of the preferences (a code chosen in the View menu, or a
// browser's list "de-AT,de,en") that Vorantis speaks, "en" where none.
EMSCRIPTEN_KEEPALIVE const char* vorantis_language_for(const char* preferences)
{
    return vorantis::languageFor(preferences).code.data(); // a code is a whole literal, ended by its NUL
}

// Whether the language of the code has its words here: English's are compiled in, another's
// come from its file (<code>.lang), which the page fetches before it speaks it.
EMSCRIPTEN_KEEPALIVE bool vorantis_has_words(const char* code)
{
    const vorantis::Language* language = vorantis::languageCoded(code);
    return language && vorantis::hasWords(*language);
}

// Takes a language's words from the text of its file; false where the text is no such file.
EMSCRIPTEN_KEEPALIVE bool vorantis_load_language(const char* text) { return vorantis::loadLanguage(text); }

// Speaks the language of the first of the preferences that Vorantis has, English where none,
// in its words if they are here and else in English's; gives its code.
EMSCRIPTEN_KEEPALIVE const char* vorantis_speak(const char* preferences)
{
    vorantis::useLanguage(vorantis::languageFor(preferences));
    return vorantis::currentLanguage().code.data();
}

// A text of the page, typed or written in the language of the code given, as the language in
// use writes a number: after a change of language every number on the page reads as before.
EMSCRIPTEN_KEEPALIVE const char* vorantis_respell(const char* text, const char* writtenIn)
{
    static std::string respelled;
    const vorantis::Language* language = vorantis::languageCoded(writtenIn);
    respelled = language ? vorantis::respelled(text, *language) : std::string(text);
    return respelled.c_str();
}

// A number's text as it is said in the language in use, for a result's description.
EMSCRIPTEN_KEEPALIVE const char* vorantis_spoken_value(const char* text)
{
    static std::string said;
    said = vorantis::working::spokenValue(text);
    return said.c_str();
}

// Runs the click of the control (a control of the table, or "clear" for File > Clear) and
// gives, as JSON, the line for the status line (empty where there is nothing to say), whether
// the click failed, the results it did not reach, what it wrote before it failed, and its entry
// in the working, which it keeps.
EMSCRIPTEN_KEEPALIVE const char* vorantis_click(const char* control)
{
    using namespace vorantis;
    static PageForm form;
    static std::string answer;
    const Procedure* procedure = procedureFor(control);
    if (!procedure)
        return "{}";
    const Click click = runClick(*procedure, form);
    working::Entry entry = explain(click);
    lastStatus() = statusOf(click);
    json::Object json;
    json.text("status", lastStatus().said());
    json.boolean("failed", click.failed());
    json.member("stale", controlNames(staleResults(click)));
    json.member("unfinished", controlNames(unfinishedWrites(click)));
    json.text("entry", working::plainText(entry));
    // What a screen reader is told of the click: its answer, or why it stopped.
    json.text("said",
              entry.failure || !entry.result ? lastStatus().said()
                                             : working::spoken(*entry.result, *entry.language));
    json.text("entryPage", working::html(entry));
    answer = json.close();
    workingLog().add(std::move(entry));
    return answer.c_str();
}

// The last click's status line again, in the language in use.
EMSCRIPTEN_KEEPALIVE const char* vorantis_status()
{
    static std::string said;
    said = lastStatus().said();
    return said.c_str();
}

// The working kept: "text" as plain text, "page" as a web page; "clear" empties it.
EMSCRIPTEN_KEEPALIVE const char* vorantis_working(const char* what)
{
    static std::string text;
    const std::string_view asked = what;
    if (asked == "clear")
        workingLog().clear();
    text = asked == "text" ? workingLog().plainText() : asked == "page" ? workingLog().html() : std::string();
    return text.c_str();
}

} // extern "C"
