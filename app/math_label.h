// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "working/math.h"

#include <QLabel>

#include <optional>

namespace vorantis {

struct Language;

// A piece of mathematics drawn on its own, as the working draws it (stacked fractions), in the
// widget's font; a screen reader finds a label, and hears it as a pupil says it (working/speech.h).
class MathLabel : public QLabel {
public:
    explicit MathLabel(QWidget* parent);

    void setMath(const working::Math& math, const Language& writtenIn);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    std::optional<working::Math> m_math;
    const Language* m_writtenIn = nullptr;
};

} // namespace vorantis
