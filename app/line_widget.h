// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLine>
#include <QWidget>

namespace vorantis {

// A straight line drawn on the window's surface, 3 pixels wide at full size, in the palette's
// text colour so that it follows a dark theme. The widget covers the line's bounding box and
// lets every click through.
class LineWidget : public QWidget {
public:
    explicit LineWidget(QWidget* parent);

    // from and to are in the parent's coordinates; the pen is 3 pixels times `scale`.
    void setEnds(QPoint from, QPoint to, double scale);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLine m_line; // in the widget's own coordinates
    double m_penWidth = 3;
};

} // namespace vorantis
