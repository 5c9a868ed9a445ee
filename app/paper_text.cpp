// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/paper_text.h"

#include "app/math_drawing.h"
#include "app/qt_text.h"
#include "layout/window.h"
#include "working/plain_text.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace vorantis {

QFont paperFont(double points, int dpi, bool bold)
{
    QFont font(toQString(fontFamily));
    font.setPixelSize(int(std::lround(points * dpi / 72)));
    font.setBold(bold);
    return font;
}

std::vector<PaperLine> breakStep(const working::Step& step, const QFont& font, const Language& writtenIn,
                                 qreal width)
{
    const QFontMetricsF metrics(font);
    std::vector<PaperLine> lines(1);
    qreal x = 0;
    const auto place = [&](PaperLine::Token token, qreal tokenWidth, qreal ascent, qreal descent) {
        if (x > 0 && x + tokenWidth > width) {
            lines.emplace_back();
            x = 0;
        }
        token.x = x;
        lines.back().tokens.push_back(token);
        lines.back().ascent = std::max({lines.back().ascent, ascent, metrics.ascent()});
        lines.back().descent = std::max({lines.back().descent, descent, metrics.descent()});
        x += tokenWidth;
    };
    for (const working::Piece& piece : working::piecesOf(step)) {
        if (piece.math) {
            const MathBox box = measureMath(*piece.math, font, writtenIn);
            place({{}, piece.math, 0}, box.width, box.ascent, box.descent);
            continue;
        }
        // Each word with the blank after it, so that a line breaks between words.
        const QString words = toQString(piece.words);
        for (qsizetype start = 0; start < words.size();) {
            qsizetype end = words.indexOf(QLatin1Char(' '), start);
            end = end < 0 ? words.size() : end + 1;
            const QString word = words.mid(start, end - start);
            place({word, nullptr, 0}, metrics.horizontalAdvance(word), 0, 0);
            start = end;
        }
    }
    return lines;
}

void drawLine(QPainter& painter, QPointF top, const PaperLine& line, const QFont& font,
              const Language& writtenIn)
{
    const QPointF baseline = top + QPointF(0, line.ascent);
    painter.setFont(font);
    for (const PaperLine::Token& token : line.tokens) {
        if (token.math)
            drawPaperMath(painter, baseline + QPointF(token.x, 0), *token.math, font, writtenIn);
        else
            painter.drawText(baseline + QPointF(token.x, 0), token.words);
    }
}

void drawPaperMath(QPainter& painter, QPointF baseline, const working::Math& math, const QFont& font,
                   const Language& writtenIn)
{
    drawMath(painter, baseline, math, font, writtenIn, Glyphs::shapes);
    painter.save();
    painter.setPen(Qt::transparent);
    painter.setFont(font);
    painter.drawText(baseline, toQString(working::plainText(math, writtenIn)));
    painter.restore();
}

} // namespace vorantis
