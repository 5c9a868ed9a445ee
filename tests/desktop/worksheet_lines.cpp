// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a sheet as the practice library writes it in plain text, for the command line's test
// to find in the PDF the program wrote: "E 1. 4/7 + 1/2" for each exercise, "K 1. 1 1/14" for
// each answer of the key; "S Sheet FA3-4821" and "P Page 111 of 999", the lines of every page in
// the language, the numbers of a page to be put in by the test.
// Usage: worksheet_lines LANGUAGE CODE COUNT

#include "practice/room.h"
#include "practice/worksheet.h"
#include "working/plain_text.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <variant>

int main(int argc, char* argv[])
{
    using namespace vorantis;
    const Language* language = argc == 4 ? languageCoded(argv[1]) : nullptr;
    const auto code = argc == 4 ? practice::readSheetCode(argv[2]) : practice::readSheetCode("");
    if (!language || !std::holds_alternative<practice::SheetCode>(code))
        return 2;
    useLanguage(*language);
    const practice::Worksheet sheet =
        practice::worksheet(std::get<practice::SheetCode>(code), std::atoi(argv[3]));
    std::printf("S %s\n", working::plainText(practice::sheetLine(argv[2]), *language).c_str());
    std::printf("P %s\n", working::plainText(practice::pageLine(111, 999), *language).c_str());
    for (std::size_t i = 0; i < sheet.exercises.size(); ++i)
        std::printf("E %zu. %s\n", i + 1, working::plainText(sheet.exercises[i].question, *language).c_str());
    for (std::size_t i = 0; i < sheet.key.size(); ++i)
        std::printf("K %zu. %s\n", i + 1, working::plainText(sheet.key[i].answer, *language).c_str());
}
