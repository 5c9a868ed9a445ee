// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/worksheet.h"

#include "practice/calculator.h"
#include "practice/hint.h"
#include "practice/levels.h"
#include "practice/sheet.h"

#include <algorithm>

namespace vorantis::practice {

Worksheet worksheet(const SheetCode& code, int count)
{
    Worksheet sheet{
        code, nameOf(code.topic), levelStep(code.topic, code.level), instructionOf(code.topic), {},
        {},   &currentLanguage()};
    Sheet exercises(code);
    for (int i = 0; i < std::clamp(count, fewestOnASheet, mostOnASheet); ++i) {
        sheet.exercises.push_back(exercises.next());
        sheet.key.push_back({sheet.exercises.back().usual,
                             shortWorking(sheet.exercises.back(), workingOf(sheet.exercises.back()))});
    }
    return sheet;
}

} // namespace vorantis::practice
