// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Words and mathematics put down on a printed page: the mathematics drawn as the working draws
// it, as outlines, with its plain form laid over it as text that shows nothing, so that a reader
// of the file finds, copies and hears "1/2 + 1/3" where the page shows it stacked.

#include "working/entry.h"

#include <QFont>
#include <QPointF>

#include <vector>

class QPainter;

namespace vorantis {

struct Language;

// The font of a page of `dpi` dots an inch, at `points`, sized in the page's own dots.
QFont paperFont(double points, int dpi, bool bold = false);

struct PaperLine {
    struct Token {
        QString words; // where `math` is null
        const working::Math* math;
        qreal x;
    };
    std::vector<Token> tokens;
    qreal ascent = 0, descent = 0;
};

// A step broken into lines no wider than `width`, between its words and its pieces of
// mathematics, never inside one. The lines point into the step, which must outlive them.
std::vector<PaperLine> breakStep(const working::Step& step, const QFont& font, const Language& writtenIn,
                                 qreal width);

// `top` is the left end of the line's top.
void drawLine(QPainter& painter, QPointF top, const PaperLine& line, const QFont& font,
              const Language& writtenIn);

// A piece of mathematics alone, on the baseline.
void drawPaperMath(QPainter& painter, QPointF baseline, const working::Math& math, const QFont& font,
                   const Language& writtenIn);

} // namespace vorantis
