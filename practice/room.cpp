// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/room.h"

#include "language/language.h"

#include <iterator>
#include <string>

namespace vorantis::practice {
namespace {

// In the order of RoomText.
constexpr std::string_view roomTable[]{
    translatable("Practice"),
    translatable("Topic"),
    translatable("Level"),
    translatable("Sheet code"),
    translatable("New Sheet"),
    translatable("Print Worksheet"),
    translatable("Exercises"),
    translatable("Answer key"),
    translatable("No answer key"),
    translatable("Text size"),
    translatable("Paper"),
    translatable("Name"),
    translatable("Date"),
    translatable("Answers"),
    translatable("Preview"),
    translatable("Save as PDF"),
    translatable("Reply"),
    translatable("Write the worksheet of the sheet code CODE to a PDF file and exit, without opening a "
                 "window."),
    translatable("How many exercises the worksheet holds: 10 to 40 (20 if not given)."),
    translatable("Leave the answer key out of the worksheet."),
    translatable("The worksheet's text size in points: 12, 14 or 18 (12 if not given)."),
    translatable("The worksheet's paper: a4 or letter (the usual one of the language if not given)."),
    translatable("The PDF file the worksheet is written to."),
    translatable("Start"),
    translatable("Cancel"),
};
static_assert(std::size(roomTable) == static_cast<std::size_t>(RoomText::cancel) + 1);

constexpr PaperRow paperTable[]{{Paper::a4, "a4", translatable("A4")},
                                {Paper::letter, "letter", translatable("Letter")}};

} // namespace

working::Math roomWords(RoomText text) { return working::words(roomTable[static_cast<std::size_t>(text)]); }

working::Step sheetLine(std::string_view code)
{
    // A code is a name, not a quotation of what was typed: it stands without quotation marks.
    return working::said(translatable("Sheet {code}"), {{"code", working::words(code)}});
}

working::Step pageLine(int page, int pages)
{
    return working::said(translatable("Page {page} of {pages}"),
                         {{"page", working::whole(page)}, {"pages", working::whole(pages)}});
}

working::Step countProblem(std::string_view typed)
{
    return working::said(translatable("a worksheet holds 10 to 40 exercises, not {count}"),
                         {{"count", working::typed(std::string(typed))}});
}

working::Step sizeProblem(std::string_view typed)
{
    return working::said(translatable("a worksheet is printed at 12, 14 or 18 points, not {size}"),
                         {{"size", working::typed(std::string(typed))}});
}

working::Step paperProblem(std::string_view typed)
{
    return working::said(translatable("a worksheet is printed on a4 or letter paper, not {paper}"),
                         {{"paper", working::typed(std::string(typed))}});
}

working::Step noOutputProblem()
{
    return working::said(translatable("a worksheet needs the file to write it to: --output FILE"), {});
}

working::Step outputProblem(std::string_view file, std::string_view reason)
{
    return working::said(
        translatable("cannot write the worksheet to {file}: {reason}"),
        // The file's name whole, as the system has it: a typed text would be quoted and cut short.
        {{"file", working::words(file)}, {"reason", working::words(reason)}});
}

std::span<const PaperRow> papers() { return paperTable; }

} // namespace vorantis::practice
