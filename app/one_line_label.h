// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace vorantis {

// A label drawn on one line: a caption wider than its place shows as much as fits, ending in
// "…", and shows whole in the tooltip, beside a hint of what the label is for. The caption
// itself, which a screen reader reads and a procedure reads back, always stays whole; and its
// length never changes the size the label asks for.
class OneLineLabel : public QLabel {
    Q_OBJECT

public:
    OneLineLabel(const QString& caption, QWidget* parent);

    void setCaption(const QString& caption);
    void setHint(const QString& hint);
    bool isCut() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void refreshToolTip();

    QString m_hint;
};

} // namespace vorantis
