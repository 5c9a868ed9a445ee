// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/line_widget.h"

#include "layout/window.h"

#include <QPainter>

#include <cmath>

namespace vorantis {

LineWidget::LineWidget(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void LineWidget::setEnds(QPoint from, QPoint to, double scale)
{
    m_penWidth = linePenPixels * scale;
    const int margin = int(std::ceil(m_penWidth)); // room for the pen's width and its caps
    const QRect box = QRect(from, to).normalized().adjusted(-margin, -margin, margin, margin);
    setGeometry(box);
    m_line = QLine(from - box.topLeft(), to - box.topLeft());
}

void LineWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::WindowText), m_penWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(m_line);
}

} // namespace vorantis
