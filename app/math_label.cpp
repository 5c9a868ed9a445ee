// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/math_label.h"

#include "app/math_drawing.h"
#include "app/qt_text.h"
#include "working/speech.h"

#include <QEvent>
#include <QPainter>

#include <cmath>

namespace vorantis {

MathLabel::MathLabel(QWidget* parent) : QLabel(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void MathLabel::setMath(const working::Math& math, const Language& writtenIn)
{
    m_math = math;
    m_writtenIn = &writtenIn;
    setAccessibleName(toQString(working::spoken(math, writtenIn)));
    updateGeometry();
    update();
}

QSize MathLabel::sizeHint() const
{
    if (!m_math)
        return {0, fontMetrics().height()};
    const MathBox box = measureMath(*m_math, font(), *m_writtenIn);
    return {int(std::ceil(box.width)) + 2, int(std::ceil(box.ascent + box.descent)) + 2};
}

void MathLabel::paintEvent(QPaintEvent*)
{
    if (!m_math)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(palette().color(QPalette::WindowText));
    const MathBox box = measureMath(*m_math, font(), *m_writtenIn);
    drawMath(painter, {1, 1 + box.ascent}, *m_math, font(), *m_writtenIn);
}

// The font follows the zoom: the piece is measured anew in it.
void MathLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateGeometry();
}

} // namespace vorantis
