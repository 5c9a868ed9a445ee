// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What both front ends show around an exercise: the room's own words, the choices a printed sheet
// offers, and the words printed on it. Each front end arranges them its own way; the words and
// the choices are the same in the window, the page and a sheet written from the command line.

#include "working/entry.h"
#include "working/math.h"

#include <span>
#include <string_view>

namespace vorantis::practice {

enum class RoomText {
    practice, // the room's heading and its accessible name
    topic,
    level,
    sheetCode,
    newSheet, // the same topic and level from a new seed
    printWorksheet, // the print dialog's title and its button
    exercises, // how many the sheet holds
    answerKey,
    noAnswerKey,
    textSize,
    paper,
    name, // a line for the pupil's name, on the sheet
    date,
    answers, // the heading of the key's pages
    preview, // the print dialog's button that shows the pages before they are printed
    saveAsPdf, // and the one that writes them to a file
    reply, // the accessible name of what the room says to a move
    // What the command line's help says of each option that writes a sheet.
    worksheetOption,
    countOption,
    noKeyOption,
    sizeOption,
    paperOption,
    outputOption,
    start, // starts the sheet of the code typed
    cancel, // closes the print dialog with nothing printed
};

// The words in the language in use.
working::Math roomWords(RoomText text);

// The sheet's code as printed on every page: "Sheet FA3-4821".
working::Step sheetLine(std::string_view code);
// "Page 2 of 3", at the foot of each page.
working::Step pageLine(int page, int pages);

// Why the command line writes no sheet: a count, a text size or a paper it has none of, no file
// named to write, or a file that cannot be written (`reason` in the language in use already).
working::Step countProblem(std::string_view typed);
working::Step sizeProblem(std::string_view typed);
working::Step paperProblem(std::string_view typed);
working::Step noOutputProblem();
working::Step outputProblem(std::string_view file, std::string_view reason);

// The text sizes a sheet is printed in, in points, the first the usual one.
inline constexpr int sheetPoints[]{12, 14, 18};

enum class Paper { a4, letter };
struct PaperRow {
    Paper paper;
    std::string_view code; // as the command line takes it: "a4"
    std::string_view caption; // English: "A4"
};
// A4 first: the usual paper everywhere but North America.
std::span<const PaperRow> papers();

} // namespace vorantis::practice
