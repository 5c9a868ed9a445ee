#pragma once

#include <QLabel>

namespace vorantis {

// A label that acts as a button: a press and release inside it is a click. Its caption
// is where its procedure shows the result.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace vorantis
