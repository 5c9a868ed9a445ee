// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's script calls: the window to lay out, a click on one of its controls, and
// the working kept of the clicks.

#include "language/language.h"
#include "panels/dispatch.h"
#include "panels/procedures.h"
#include "web/json.h"
#include "web/page_form.h"
#include "web/window_json.h"
#include "working/explain.h"
#include "working/log.h"

#include <emscripten/emscripten.h>

#include <string>
#include <string_view>

namespace {

vorantis::WorkingLog& workingLog()
{
    static vorantis::WorkingLog log;
    return log;
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

// Speaks the language of the first of the preferences (a language code, or a browser's list
// "de-AT,de,en") that Vorantis has, English where none; gives its code.
EMSCRIPTEN_KEEPALIVE const char* vorantis_speak(const char* preferences)
{
    vorantis::useLanguage(vorantis::languageFor(preferences));
    return vorantis::currentLanguage().code.data(); // a code is a whole literal, ended by its NUL
}

// Runs the click of the control (a control of the table, or "clear" for File > Clear) and
// gives, as JSON, the line for the status line (empty when the procedure ran to its end), the
// results it did not reach, and its entry in the working, which it keeps.
EMSCRIPTEN_KEEPALIVE const char* vorantis_click(const char* control)
{
    using namespace vorantis;
    static PageForm form;
    static std::string answer;
    const Procedure* procedure = procedureFor(control);
    if (!procedure)
        return "{}";
    const Click click = runClick(*procedure, form);
    std::string entry = explain(click);
    answer = json::object({{"failure", json::string(click.failure)},
                           {"stale", json::strings(staleResults(click))},
                           {"entry", json::string(entry)}});
    workingLog().add(std::move(entry));
    return answer.c_str();
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
