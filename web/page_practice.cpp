// SPDX-License-Identifier: GPL-3.0-or-later
// What the practice room's script calls in its own module, which a visit fetches only when the
// room first opens: the room's words, a sheet started from its code, the pupil's moves and the
// printed sheet. Every text is written in the language in use, so that after a change of
// language the room is asked for again and reads in the new one, its numbers too.

#include "language/language.h"
#include "practice/practice.h"
#include "web/json.h"
#include "web/practice_json.h"

#include <emscripten/emscripten.h>

#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace vorantis;

struct Room {
    std::optional<practice::Practice> practice;
    std::string code;
    std::optional<practice::Reply> reply; // of the last move, said again in another language
};

Room& room()
{
    static Room kept;
    return kept;
}

// A text handed to the script stays until the next call.
const char* handed(std::string text)
{
    static std::string kept;
    kept = std::move(text);
    return kept.c_str();
}

const char* roomNow(std::string_view said)
{
    Room& now = room();
    return handed(practiceJson::room(*now.practice, now.code, now.reply, said));
}

const char* replied(practice::Reply reply)
{
    room().reply = std::move(reply);
    return roomNow(practiceJson::said(*room().reply));
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE bool practice_load_language(const char* text) { return loadLanguage(text); }

// Speaks the language of the code; its words must have been loaded.
EMSCRIPTEN_KEEPALIVE void practice_speak(const char* code) { useLanguage(languageFor(code)); }

// The room's words, topics, levels, moves and the printed sheet's choices.
EMSCRIPTEN_KEEPALIVE const char* practice_words() { return handed(practiceJson::words()); }

// The code of the topic's sheet of that level and seed.
EMSCRIPTEN_KEEPALIVE const char* practice_code(int topic, int level, int seed)
{
    return handed(
        practice::codeText({static_cast<practice::Topic>(topic), level, static_cast<std::uint32_t>(seed)}));
}

// Starts the sheet of the code, and gives the room at its first exercise; for a code that cannot
// be read, only why ("problem", its HTML, and "said").
EMSCRIPTEN_KEEPALIVE const char* practice_start(const char* typed)
{
    const auto read = practice::readSheetCode(typed);
    if (const auto* unread = std::get_if<practice::UnreadCode>(&read))
        return handed(practiceJson::problem(*unread));
    const auto& code = std::get<practice::SheetCode>(read);
    room() = {practice::Practice(code), practice::codeText(code), std::nullopt};
    return roomNow(practiceJson::question(room().practice->exercise()));
}

// The answer typed: its boxes' texts, each ended by a line break, and the verdict chosen (its
// place among the choices, or -1).
EMSCRIPTEN_KEEPALIVE const char* practice_answer(const char* texts, int verdict)
{
    return replied(room().practice->answer(practiceJson::answer(texts, verdict)));
}

EMSCRIPTEN_KEEPALIVE const char* practice_hint() { return replied(room().practice->hint()); }

EMSCRIPTEN_KEEPALIVE const char* practice_show_working() { return replied(room().practice->showWorking()); }

EMSCRIPTEN_KEEPALIVE const char* practice_next()
{
    room().practice->next();
    room().reply.reset();
    return roomNow(practiceJson::question(room().practice->exercise()));
}

// The room as it stands, in the language in use.
EMSCRIPTEN_KEEPALIVE const char* practice_room() { return roomNow(""); }

// The printed sheet of the code with `count` exercises and its key; a code that cannot be read
// gives why, as practice_start does.
EMSCRIPTEN_KEEPALIVE const char* practice_sheet(const char* typed, int count)
{
    const auto read = practice::readSheetCode(typed);
    if (const auto* unread = std::get_if<practice::UnreadCode>(&read))
        return handed(practiceJson::problem(*unread));
    return handed(practiceJson::sheet(practice::worksheet(std::get<practice::SheetCode>(read), count)));
}

} // extern "C"
