// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/answer_boxes.h"

#include "app/qt_text.h"
#include "language/language.h"
#include "practice/captions.h"
#include "working/plain_text.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace vorantis {
namespace {

using practice::AnswerShape;

QString said(const working::Math& words) { return toQString(working::plainText(words, currentLanguage())); }

// Room for a number a pupil of this age types: a few digits, a sign, a decimal mark; written as
// large as the exercise, whose captions and choices keep the room's size.
constexpr int boxCharacters = 5;
constexpr double boxScale = 1.8;

void fit(QLineEdit* box, const QFont& roomFont)
{
    QFont large = roomFont;
    large.setPointSizeF(roomFont.pointSizeF() * boxScale);
    box->setFont(large);
    box->setFixedWidth(QFontMetrics(large).horizontalAdvance(QString(boxCharacters, QChar('0'))) + 12);
}

} // namespace

AnswerBoxes::AnswerBoxes(QWidget* parent) : QWidget(parent) { }

void AnswerBoxes::setShape(AnswerShape shape)
{
    // The layout first, with the rows inside it; then the boxes, captions and choices it held.
    delete layout();
    const QObjectList held = children();
    qDeleteAll(held);
    m_boxes.clear();
    m_verdicts.clear();
    switch (shape) {
    case AnswerShape::fraction:
        return layOutFraction();
    case AnswerShape::verdict:
        return layOutVerdicts();
    case AnswerShape::decimal:
    case AnswerShape::percent:
    case AnswerShape::wholeNumber:
    case AnswerShape::quotientAndRemainder:
        return layOutInARow(shape);
    }
}

// A box's caption is its accessible name and its tip, and shown beside it where the shape does
// not tell what goes where, as a fraction's does.
QLineEdit* AnswerBoxes::addBox(const practice::AnswerField& field)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(toQString(field.caption).replace(' ', '_'));
    const QString caption = said(practice::captionOf(field));
    box->setAccessibleName(caption);
    box->setToolTip(caption);
    box->setAlignment(Qt::AlignCenter);
    fit(box, font());
    box->installEventFilter(this);
    m_boxes.push_back(box);
    return box;
}

// The whole part to the left of the fraction, at the height of its bar, as a mixed number is
// written.
void AnswerBoxes::layOutFraction()
{
    const std::span<const practice::AnswerField> fields = practice::answerFields(AnswerShape::fraction);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->addWidget(addBox(fields[0]), 0, 0, 3, 1, Qt::AlignVCenter);
    grid->addWidget(addBox(fields[1]), 0, 1);
    auto* bar = new QFrame(this);
    bar->setFrameShape(QFrame::HLine);
    bar->setLineWidth(2);
    grid->addWidget(bar, 1, 1);
    grid->addWidget(addBox(fields[2]), 2, 1);
    grid->setColumnStretch(2, 1);
}

// Each box after its caption: a quotient and its remainder, or one number (a percent before its
// sign).
void AnswerBoxes::layOutInARow(AnswerShape shape)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    for (const practice::AnswerField& field : practice::answerFields(shape)) {
        auto* caption = new QLabel(said(practice::captionOf(field)), this);
        QLineEdit* box = addBox(field);
        caption->setBuddy(box);
        row->addWidget(caption);
        row->addWidget(box);
    }
    if (shape == AnswerShape::percent)
        row->addWidget(new QLabel(QStringLiteral("%"), this));
    row->addStretch();
}

void AnswerBoxes::layOutVerdicts()
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    auto* group = new QButtonGroup(this);
    for (const practice::VerdictChoice& choice : practice::verdictChoices()) {
        auto* button = new QRadioButton(said(practice::captionOf(choice)), this);
        button->setObjectName(toQString(choice.caption));
        button->installEventFilter(this);
        group->addButton(button);
        row->addWidget(button);
        m_verdicts.push_back(button);
    }
    row->addStretch();
}

practice::Answer AnswerBoxes::answer() const
{
    practice::Answer typed;
    for (const QLineEdit* box : m_boxes)
        typed.texts.push_back(box->text().toStdString());
    for (std::size_t i = 0; i < m_verdicts.size(); ++i)
        if (m_verdicts[i]->isChecked())
            typed.verdict = practice::verdictChoices()[i].verdict;
    return typed;
}

void AnswerBoxes::focusFirst()
{
    if (!m_boxes.empty())
        m_boxes.front()->setFocus();
    else if (!m_verdicts.empty())
        m_verdicts.front()->setFocus();
}

// The boxes grow with the zoom, and keep what was typed in them.
void AnswerBoxes::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        for (QLineEdit* box : m_boxes)
            box->setFixedWidth(QFontMetrics(font()).horizontalAdvance(QString(boxCharacters, QChar('0'))) +
                               12);
}

bool AnswerBoxes::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit handedIn();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vorantis
