#pragma once

#include <QLine>
#include <QWidget>

namespace vorantis {

// A straight line drawn on the window's surface, 3 pixels wide, in the palette's text
// colour so that it follows a dark theme. The widget covers the line's bounding box.
class LineWidget : public QWidget {
public:
    // from and to are in the parent's coordinates.
    LineWidget(QPoint from, QPoint to, QWidget* parent);

    static constexpr int penWidth = 3;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLine m_line; // in the widget's own coordinates
};

} // namespace vorantis
