// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/worksheet_painting.h"
#include "practice/worksheet.h"

#include <QDialog>

#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace vorantis {

// File > Print Worksheet…: a sheet's code, how many exercises, with its answer key or without,
// its text size and its paper; shown before it is printed, printed (on a printer or to a PDF
// file), or saved as a PDF file. A code that cannot be read says why, and nothing is printed.
class WorksheetDialog : public QDialog {
    Q_OBJECT

public:
    // `code` as the practice room has it, or empty for a first sheet of the first topic.
    WorksheetDialog(const std::string& code, QWidget* parent);

    // The sheet chosen, or nothing where its code cannot be read, which is then said.
    std::optional<practice::Worksheet> chosenSheet();
    SheetChoices choices() const;

private:
    void preview();
    void print();
    void saveAsPdf();
    void say(const working::Step& problem);

    QLineEdit* m_code;
    QSpinBox* m_count;
    QRadioButton* m_key;
    QComboBox* m_points;
    QComboBox* m_paper;
    QLabel* m_problem;
};

} // namespace vorantis
