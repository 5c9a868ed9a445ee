// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/answer.h"

#include <QWidget>

#include <vector>

class QLineEdit;
class QRadioButton;

namespace vorantis {

// The boxes an answer is typed into, shaped like the answer as it is written on paper: a
// numerator over a denominator with a bar between them and a whole part before them, a quotient
// and its remainder, one number, or a choice of three verdicts. Each box is named by its caption;
// Enter in any of them hands the answer in.
class AnswerBoxes : public QWidget {
    Q_OBJECT

public:
    explicit AnswerBoxes(QWidget* parent);

    // Empty boxes of the shape, in the language in use.
    void setShape(practice::AnswerShape shape);
    practice::Answer answer() const;
    void focusFirst();

signals:
    void handedIn();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QLineEdit* addBox(const practice::AnswerField& field);
    void layOutFraction();
    void layOutInARow(practice::AnswerShape shape);
    void layOutVerdicts();

    std::vector<QLineEdit*> m_boxes; // in the order of answerFields(shape)
    std::vector<QRadioButton*> m_verdicts; // in the order of verdictChoices()
};

} // namespace vorantis
