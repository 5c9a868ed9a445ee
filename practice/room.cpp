// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/room.h"

#include "language/language.h"

#include <iterator>
#include <string>

namespace vorantis::practice {
namespace {

// In the order of RoomText.
constexpr std::string_view roomTable[]{
    translatable("Practice"),   translatable("Topic"),      translatable("Level"),
    translatable("Sheet code"), translatable("New Sheet"),  translatable("Print Worksheet"),
    translatable("Exercises"),  translatable("Answer key"), translatable("No answer key"),
    translatable("Text size"),  translatable("Paper"),      translatable("Name"),
    translatable("Date"),       translatable("Answers"),    translatable("Start"),
    translatable("Cancel"),
};
static_assert(std::size(roomTable) == static_cast<std::size_t>(RoomText::cancel) + 1);

constexpr PaperRow paperTable[]{{Paper::a4, "a4", translatable("A4")},
                                {Paper::letter, "letter", translatable("Letter")}};

} // namespace

working::Math roomWords(RoomText text) { return working::words(roomTable[static_cast<std::size_t>(text)]); }

working::Step sheetLine(std::string_view code)
{
    return working::said(translatable("Sheet {code}"), {{"code", working::typed(std::string(code))}});
}

working::Step pageLine(int page, int pages)
{
    return working::said(translatable("Page {page} of {pages}"),
                         {{"page", working::whole(page)}, {"pages", working::whole(pages)}});
}

std::span<const PaperRow> papers() { return paperTable; }

} // namespace vorantis::practice
