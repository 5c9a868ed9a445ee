// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/worksheet_dialog.h"

#include "app/qt_text.h"
#include "practice/room.h"
#include "working/plain_text.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace vorantis {
namespace {

using practice::RoomText;

QString said(RoomText text)
{
    return toQString(working::plainText(practice::roomWords(text), currentLanguage()));
}

} // namespace

WorksheetDialog::WorksheetDialog(const std::string& code, QWidget* parent) : QDialog(parent)
{
    setObjectName("worksheetDialog");
    setWindowTitle(said(RoomText::printWorksheet));
    m_code = new QLineEdit(toQString(code.empty() ? "FA1-1" : code), this);
    m_code->setObjectName("sheetCode");
    m_count = new QSpinBox(this);
    m_count->setObjectName("exercises");
    m_count->setRange(practice::fewestOnASheet, practice::mostOnASheet);
    m_count->setValue(SheetChoices{}.count);
    m_key = new QRadioButton(said(RoomText::answerKey), this);
    m_key->setObjectName("answerKey");
    m_key->setChecked(true);
    auto* noKey = new QRadioButton(said(RoomText::noAnswerKey), this);
    noKey->setObjectName("noAnswerKey");
    auto* keyRow = new QHBoxLayout;
    keyRow->addWidget(m_key);
    keyRow->addWidget(noKey);
    m_points = new QComboBox(this);
    m_points->setObjectName("textSize");
    for (const int points : practice::sheetPoints)
        m_points->addItem(QString::number(points), points);
    m_paper = new QComboBox(this);
    m_paper->setObjectName("paper");
    for (const practice::PaperRow& row : practice::papers())
        m_paper->addItem(toQString(vorantis::tr(row.caption)), int(row.paper));
    m_paper->setCurrentIndex(m_paper->findData(int(usualPaper())));
    m_problem = new QLabel(this);
    m_problem->setObjectName("problem");
    m_problem->setWordWrap(true);

    auto* form = new QFormLayout;
    form->addRow(said(RoomText::sheetCode), m_code);
    form->addRow(said(RoomText::exercises), m_count);
    form->addRow(keyRow);
    form->addRow(said(RoomText::textSize), m_points);
    form->addRow(said(RoomText::paper), m_paper);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    const std::pair<RoomText, void (WorksheetDialog::*)()> commands[]{
        {RoomText::preview, &WorksheetDialog::preview},
        {RoomText::printWorksheet, &WorksheetDialog::print},
        {RoomText::saveAsPdf, &WorksheetDialog::saveAsPdf}};
    for (const auto& [words, command] : commands) {
        QPushButton* button = buttons->addButton(said(words), QDialogButtonBox::ActionRole);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, command);
    }
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(m_problem);
    column->addWidget(buttons);
}

std::optional<practice::Worksheet> WorksheetDialog::chosenSheet()
{
    const auto read = practice::readSheetCode(m_code->text().toStdString());
    if (const auto* unread = std::get_if<practice::UnreadCode>(&read)) {
        say(practice::problemStep(*unread));
        return std::nullopt;
    }
    m_problem->clear();
    return practice::worksheet(std::get<practice::SheetCode>(read), m_count->value());
}

SheetChoices WorksheetDialog::choices() const
{
    return {m_count->value(), m_key->isChecked(), m_points->currentData().toInt(),
            practice::Paper(m_paper->currentData().toInt())};
}

void WorksheetDialog::say(const working::Step& problem)
{
    m_problem->setText(toQString(working::plainText(problem, currentLanguage())));
    m_problem->setAccessibleName(m_problem->text());
}

void WorksheetDialog::preview()
{
    const std::optional<practice::Worksheet> sheet = chosenSheet();
    if (!sheet)
        return;
    QPrinter printer(QPrinter::HighResolution);
    setUpPaper(printer, choices().paper);
    QPrintPreviewDialog shown(&printer, this);
    connect(&shown, &QPrintPreviewDialog::paintRequested, this,
            [&](QPrinter* paper) { paintWorksheet(*paper, *sheet, choices()); });
    shown.exec();
}

void WorksheetDialog::print()
{
    const std::optional<practice::Worksheet> sheet = chosenSheet();
    if (!sheet)
        return;
    QPrinter printer(QPrinter::HighResolution);
    setUpPaper(printer, choices().paper);
    QPrintDialog asked(&printer, this);
    if (asked.exec() == QDialog::Accepted)
        paintWorksheet(printer, *sheet, choices());
}

void WorksheetDialog::saveAsPdf()
{
    const std::optional<practice::Worksheet> sheet = chosenSheet();
    if (!sheet)
        return;
    const QString path = QFileDialog::getSaveFileName(
        this, said(RoomText::saveAsPdf),
        QDir::home().filePath(toQString(practice::codeText(sheet->code)) + ".pdf"),
        QStringLiteral("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (const std::optional<FileTrouble> trouble = writeWorksheetPdf(path, *sheet, choices()))
        say(practice::outputProblem(path.toStdString(), reasonOf(*trouble).toStdString()));
}

} // namespace vorantis
