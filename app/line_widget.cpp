#include "app/line_widget.h"

#include <QPainter>

namespace vorantis {

LineWidget::LineWidget(QPoint from, QPoint to, QWidget* parent) : QWidget(parent)
{
    const int margin = penWidth; // room for the pen's width and its caps
    const QRect box = QRect(from, to).normalized().adjusted(-margin, -margin, margin, margin);
    setGeometry(box);
    m_line = QLine(from - box.topLeft(), to - box.topLeft());
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void LineWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::WindowText), penWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(m_line);
}

} // namespace vorantis
