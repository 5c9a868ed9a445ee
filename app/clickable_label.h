#pragma once

#include <QLabel>

namespace vorantis {

// A label that acts as a button: a press and release inside it is a click. Its caption
// is where its procedure shows the result. A screen reader sees a label with a press
// action: its user can neither click the label with a mouse nor reach it with Tab.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    ClickableLabel(const QString& text, QWidget* parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};

} // namespace vorantis
