// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "practice/captions.h"
#include "practice/practice.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vorantis {

class AnswerBoxes;
class MathLabel;
class WorkingView;

// The practice room beside the panels: the sheet (a topic, a level and its code, or a new one),
// the exercise in large type, boxes shaped like its answer, the four moves, what the room says
// to each move with the whole working where it is shown, and the tally. Everything the room says
// goes out on the accessibility bus through `announced`, in its spoken form.
class PracticePane : public QWidget {
    Q_OBJECT

public:
    explicit PracticePane(QWidget* parent);

    void setZoom(int percent);
    // The room in the language in use, the exercise's numbers too.
    void retranslate();
    const practice::Practice& practice() const { return *m_practice; }
    const practice::SheetCode& code() const { return m_code; }
    // The tally since the room was made, over every sheet.
    practice::Tally tally() const;

signals:
    void announced(const QString& heard);

private:
    void buildSheetRow();
    void buildMoves();
    void fillChoosers();
    void start(const practice::SheetCode& code);
    void startTyped();
    void startFresh(practice::Topic topic, int level);
    void showExercise();
    void move(practice::Move move);
    void showLines(const std::vector<working::Step>& lines, const std::optional<working::Entry>& whole,
                   const Language& writtenIn);
    void showTally();
    void announceReply();

    QLabel* m_heading;
    QLabel* m_topicCaption;
    QLabel* m_levelCaption;
    QLabel* m_codeCaption;
    QComboBox* m_topic;
    QComboBox* m_level;
    QLineEdit* m_codeField;
    QPushButton* m_newSheet;
    MathLabel* m_exercise;
    AnswerBoxes* m_boxes;
    std::vector<QPushButton*> m_moves; // in the order of moves()
    WorkingView* m_reply;
    QLabel* m_tally;
    practice::SheetCode m_code{};
    std::optional<practice::Practice> m_practice;
    int m_index = 0; // of the exercise on the sheet
    practice::Tally m_before; // of the sheets and languages before this practice
    std::optional<practice::Reply> m_lastReply;
};

} // namespace vorantis
