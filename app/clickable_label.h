// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/one_line_label.h"

namespace vorantis {

// A label that acts as a button: a press and release inside it is a click. Its caption is where
// its procedure shows the result, on one line. It looks like a link, with a pointing hand and a
// tooltip that says what a click does. A screen reader sees a label with a press action; the
// keyboard runs it with Return in the field beside it.
class ClickableLabel : public OneLineLabel {
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
