// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A worksheet put on paper: a head with the topic, the level, the instruction and lines for a
// name and a date; the exercises numbered, in two columns where they fit, each with room to write
// beside it and below it; the answer key on pages of its own. Nothing is split over a page break,
// and every page says the sheet's code and its number. The mathematics is drawn as the working
// draws it, and put down as plain text too ("1/2 + 1/3"), so that a reader of the file can find,
// copy and hear it.

#include "app/file_trouble.h"
#include "practice/room.h"
#include "practice/worksheet.h"

#include <optional>

class QPagedPaintDevice;

namespace vorantis {

struct SheetChoices {
    int count = 20;
    bool key = true;
    int points = practice::sheetPoints[0];
    practice::Paper paper = practice::Paper::a4;
};

// Letter where the locale measures in inches, A4 elsewhere.
practice::Paper usualPaper();

// The paper's size and margins, set on the device before it is painted on.
void setUpPaper(QPagedPaintDevice& device, practice::Paper paper);

// Paints the sheet on a device set up for its paper; false where the device cannot be painted on.
bool paintWorksheet(QPagedPaintDevice& device, const practice::Worksheet& sheet, const SheetChoices& choices);

// Writes the sheet as a PDF file, whole or not at all: why it could not, or nothing.
std::optional<FileTrouble> writeWorksheetPdf(const QString& path, const practice::Worksheet& sheet,
                                             const SheetChoices& choices);

} // namespace vorantis
