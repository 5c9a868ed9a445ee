// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/one_line_label.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

namespace vorantis {

OneLineLabel::OneLineLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent)
{
    setTextFormat(Qt::PlainText);
}

void OneLineLabel::setCaption(const QString& caption)
{
    setText(caption);
    refreshToolTip();
}

void OneLineLabel::setHint(const QString& hint)
{
    m_hint = hint;
    refreshToolTip();
}

bool OneLineLabel::isCut() const { return fontMetrics().horizontalAdvance(text()) > contentsRect().width(); }

QSize OneLineLabel::sizeHint() const { return {0, QLabel::sizeHint().height()}; }

QSize OneLineLabel::minimumSizeHint() const { return sizeHint(); }

void OneLineLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(), shown,
                          foregroundRole());
}

void OneLineLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    refreshToolTip();
}

void OneLineLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        refreshToolTip();
}

void OneLineLabel::refreshToolTip()
{
    const QString whole = isCut() ? text() : QString();
    setToolTip(whole.isEmpty() || m_hint.isEmpty() ? whole + m_hint : whole + "\n" + m_hint);
}

} // namespace vorantis
