// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Mathematics drawn as in an exercise book, in the window's own font: a fraction's terms stacked
// over a bar at the height of the minus sign, a power's exponent raised and smaller, a root under
// its sign with a bar over what it takes. A piece is measured and drawn from its baseline.

#include "working/math.h"

#include <QFont>

class QPainter;

namespace vorantis {

struct Language;

struct MathBox {
    qreal width = 0;
    qreal ascent = 0; // above the baseline
    qreal descent = 0; // below it
};

MathBox measureMath(const working::Math& math, const QFont& font, const Language& writtenIn);

// How the characters are put down: as text, or as their outlines where the text a reader copies,
// searches or hears is put down apart in its plain form (a printed sheet's "1/2 + 1/3").
enum class Glyphs { text, shapes };

// `baseline` is the left end of the piece's baseline. The font may be sized in points or in the
// device's pixels (a printed page's).
void drawMath(QPainter& painter, QPointF baseline, const working::Math& math, const QFont& font,
              const Language& writtenIn, Glyphs glyphs = Glyphs::text);

} // namespace vorantis
