// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/math_drawing.h"

#include "app/qt_text.h"
#include "working/plain_text.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace vorantis {
namespace {

using working::Math;
using Kind = Math::Kind;

// How a piece is put together; measuring and drawing walk the same shape.
class Typesetter {
public:
    Typesetter(const QFont& font, const Language& writtenIn, Glyphs glyphs = Glyphs::text)
        : m_font(font), m_language(writtenIn), m_glyphs(glyphs)
    {
    }

    MathBox measure(const Math& math) const { return place(math, nullptr, {}); }
    void draw(QPainter& painter, QPointF baseline, const Math& math) const
    {
        place(math, &painter, baseline);
    }

private:
    QFont scaled(qreal factor) const
    {
        QFont smaller = m_font;
        if (m_font.pixelSize() > 0)
            smaller.setPixelSize(int(std::lround(m_font.pixelSize() * factor)));
        else
            smaller.setPointSizeF(m_font.pointSizeF() * factor);
        return smaller;
    }

    // A piece that is text: a number, a sign, words, what was typed.
    MathBox text(const QString& shown, QPainter* painter, QPointF at) const
    {
        const QFontMetricsF metrics(m_font);
        if (painter && m_glyphs == Glyphs::shapes) {
            QPainterPath outline;
            outline.addText(at, m_font, shown);
            painter->fillPath(outline, painter->pen().color());
        } else if (painter) {
            painter->setFont(m_font);
            painter->drawText(at, shown);
        }
        return {metrics.horizontalAdvance(shown), metrics.ascent(), metrics.descent()};
    }

    // Gaps, in parts of the font's height.
    qreal gap(qreal part) const { return QFontMetricsF(m_font).height() * part; }

    MathBox place(const Math& math, QPainter* painter, QPointF at) const
    {
        switch (math.kind) {
        case Kind::number: {
            // The minus sign a pupil writes (−), not the hyphen the fields hold.
            QString shown = toQString(working::plainText(math, m_language));
            if (shown.startsWith(QLatin1Char('-')))
                shown.replace(0, 1, QChar(0x2212));
            return text(shown, painter, at);
        }
        case Kind::typed:
        case Kind::words:
            return text(toQString(working::plainText(math, m_language)), painter, at);
        case Kind::sign:
            return signed_(math, painter, at);
        case Kind::fraction:
            return fraction(math, painter, at);
        case Kind::power:
            return power(math, painter, at);
        case Kind::root:
            return root(math, painter, at);
        case Kind::row:
            return row(math.parts, painter, at,
                       math.parts.size() > 1 && math.parts.front().kind == Kind::sign);
        case Kind::list:
            return list(math, painter, at);
        }
        return {};
    }

    // An operation or relation stands apart by a narrow space on each side; a bracket does not.
    MathBox signed_(const Math& math, QPainter* painter, QPointF at) const
    {
        const bool bracket = math.text == "(" || math.text == ")";
        const qreal space = bracket ? 0 : gap(0.18);
        const MathBox box = text(toQString(math.text), painter, at + QPointF(space, 0));
        return {box.width + 2 * space, box.ascent, box.descent};
    }

    // Side by side on one baseline; a sign that opens the row is the term's own, drawn tight.
    MathBox row(const std::vector<Math>& parts, QPainter* painter, QPointF at, bool opensWithSign) const
    {
        MathBox whole;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            MathBox box;
            if (i == 0 && opensWithSign)
                box = text(toQString(parts[i].text), painter, at + QPointF(whole.width, 0));
            else
                box = place(parts[i], painter, at + QPointF(whole.width, 0));
            // Two terms side by side, as a mixed number's whole and fraction, stand a space apart.
            whole.width += box.width +
                (i + 1 < parts.size() && parts[i].kind != Kind::sign && parts[i + 1].kind != Kind::sign
                     ? gap(0.25)
                     : 0);
            whole.ascent = std::max(whole.ascent, box.ascent);
            whole.descent = std::max(whole.descent, box.descent);
        }
        return whole;
    }

    MathBox list(const Math& math, QPainter* painter, QPointF at) const
    {
        std::vector<Math> parts;
        for (std::size_t i = 0; i < math.parts.size(); ++i) {
            if (i > 0)
                parts.push_back(working::words(", "));
            parts.push_back(math.parts[i]);
        }
        return row(parts, painter, at, false);
    }

    // The bar lies at the height of a minus sign, half the x-height above the baseline. A minus
    // sign of the numerator stands before the bar, where a pupil writes it.
    MathBox fraction(const Math& math, QPainter* painter, QPointF at) const
    {
        if (const Math& top = math.parts[0]; top.kind == Kind::number && top.text.starts_with('-')) {
            const MathBox minus = text(QString(QChar(0x2212)), painter, at);
            const MathBox rest =
                fraction(working::fraction(working::number(top.text.substr(1)), math.parts[1]), painter,
                         at + QPointF(minus.width, 0));
            return {minus.width + rest.width, std::max(minus.ascent, rest.ascent),
                    std::max(minus.descent, rest.descent)};
        }
        const Typesetter terms(scaled(0.9), m_language, m_glyphs);
        const MathBox top = terms.measure(math.parts[0]), bottom = terms.measure(math.parts[1]);
        const qreal axis = QFontMetricsF(m_font).xHeight() / 2, pad = gap(0.12),
                    bar = std::max<qreal>(1, gap(0.05));
        const qreal width = std::max(top.width, bottom.width) + 2 * pad;
        if (painter) {
            const qreal y = at.y() - axis;
            terms.draw(*painter, {at.x() + (width - top.width) / 2, y - bar / 2 - pad - top.descent},
                       math.parts[0]);
            terms.draw(*painter, {at.x() + (width - bottom.width) / 2, y + bar / 2 + pad + bottom.ascent},
                       math.parts[1]);
            painter->fillRect(QRectF(at.x() + pad / 2, y - bar / 2, width - pad, bar),
                              painter->pen().color());
        }
        return {width, axis + bar / 2 + pad + top.ascent + top.descent,
                std::max<qreal>(0, bottom.ascent + bottom.descent + pad + bar / 2 - axis)};
    }

    MathBox power(const Math& math, QPainter* painter, QPointF at) const
    {
        const Math& base = math.parts[0];
        const Math shownBase = working::bracketedAsBase(base)
            ? working::row({working::sign("("), base, working::sign(")")})
            : base;
        const MathBox below = place(shownBase, painter, at);
        const Typesetter raised(scaled(0.7), m_language, m_glyphs);
        const MathBox exponent = raised.measure(math.parts[1]);
        const qreal lift = QFontMetricsF(m_font).xHeight() * 0.9 + exponent.descent;
        if (painter)
            raised.draw(*painter, at + QPointF(below.width + 1, -lift), math.parts[1]);
        return {below.width + 1 + exponent.width, std::max(below.ascent, lift + exponent.ascent),
                below.descent};
    }

    MathBox root(const Math& math, QPainter* painter, QPointF at) const
    {
        const MathBox sign = text(QStringLiteral("√"), nullptr, at);
        const MathBox under = measure(math.parts[0]);
        const qreal bar = std::max<qreal>(1, gap(0.05)), over = under.ascent + gap(0.1);
        if (painter) {
            text(QStringLiteral("√"), painter, at);
            place(math.parts[0], painter, at + QPointF(sign.width, 0));
            painter->fillRect(QRectF(at.x() + sign.width - bar, at.y() - over - bar, under.width + bar, bar),
                              painter->pen().color());
        }
        return {sign.width + under.width, std::max(sign.ascent, over + bar),
                std::max(sign.descent, under.descent)};
    }

    QFont m_font;
    const Language& m_language;
    Glyphs m_glyphs;
};

} // namespace

MathBox measureMath(const working::Math& math, const QFont& font, const Language& writtenIn)
{
    return Typesetter(font, writtenIn).measure(math);
}

void drawMath(QPainter& painter, QPointF baseline, const working::Math& math, const QFont& font,
              const Language& writtenIn, Glyphs glyphs)
{
    Typesetter(font, writtenIn, glyphs).draw(painter, baseline, math);
}

} // namespace vorantis
