// SPDX-License-Identifier: GPL-3.0-or-later
// The first exercises of a sheet as plain text, one a line, in a language, to compare the page's
// practice room with the native build: sheet_text LANGUAGE CODE COUNT.
#include "language/language.h"
#include "practice/sheet.h"
#include "working/plain_text.h"

#include <cstdio>
#include <string>
#include <variant>

int main(int argc, char** argv)
{
    using namespace vorantis;
    if (argc != 4)
        return 2;
    useLanguage(languageFor(argv[1]));
    const auto code = practice::readSheetCode(argv[2]);
    if (!std::holds_alternative<practice::SheetCode>(code))
        return 1;
    practice::Sheet sheet(std::get<practice::SheetCode>(code));
    for (int i = std::stoi(argv[3]); i > 0; --i) {
        const practice::Exercise exercise = sheet.next();
        std::puts(working::plainText(exercise.question, *exercise.language).c_str());
    }
}
