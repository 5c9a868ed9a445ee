// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/practice_pane.h"

#include "app/answer_boxes.h"
#include "app/math_label.h"
#include "app/qt_text.h"
#include "app/working_view.h"
#include "layout/window.h"
#include "practice/captions.h"
#include "practice/levels.h"
#include "practice/room.h"
#include "working/plain_text.h"
#include "working/speech.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalBlocker>

namespace vorantis {
namespace {

using practice::RoomText;

QString said(const working::Math& math) { return toQString(working::plainText(math, currentLanguage())); }
QString said(const working::Step& step) { return toQString(working::plainText(step, currentLanguage())); }

// The exercise stands out from the room's own words, as a heading does.
constexpr double exerciseScale = 1.8;
// The room's width in the widths of its font's characters, and the lines the reply shows.
constexpr int roomCharacters = 50;
constexpr int replyLines = 9;

practice::SheetCode freshCode(practice::Topic topic, int level)
{
    return {
        topic, level,
        static_cast<std::uint32_t>(QRandomGenerator::global()->bounded(1, int(practice::largestSeed) + 1))};
}

} // namespace

PracticePane::PracticePane(QWidget* parent) : QWidget(parent)
{
    setObjectName("practicePane");
    m_heading = new QLabel(this);
    m_exercise = new MathLabel(this);
    m_exercise->setObjectName("exercise");
    m_boxes = new AnswerBoxes(this);
    connect(m_boxes, &AnswerBoxes::handedIn, this, [this] { move(practice::Move::check); });
    m_reply = new WorkingView(this);
    m_reply->setObjectName("reply");
    m_tally = new QLabel(this);
    m_tally->setObjectName("tally");

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 4, 8, 4);
    column->addWidget(m_heading);
    buildSheetRow();
    column->addSpacing(fontMetrics().height());
    column->addWidget(m_exercise);
    column->addWidget(m_boxes);
    buildMoves();
    column->addWidget(m_reply);
    column->addWidget(m_tally);
    column->addStretch();
    start(freshCode(practice::Topic::fractionSums, 1));
    setZoom(100);
    retranslate();
}

void PracticePane::buildSheetRow()
{
    auto* grid = new QGridLayout;
    m_topicCaption = new QLabel(this);
    m_levelCaption = new QLabel(this);
    m_codeCaption = new QLabel(this);
    m_topic = new QComboBox(this);
    m_topic->setObjectName("topic");
    m_level = new QComboBox(this);
    m_level->setObjectName("level");
    // A long description of a level is shown whole in the list, not in the room's width.
    m_level->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_level->setMinimumContentsLength(20);
    m_codeField = new QLineEdit(this);
    m_codeField->setObjectName("sheetCode");
    m_newSheet = new QPushButton(this);
    m_newSheet->setObjectName("newSheet");
    m_newSheet->setAutoDefault(false);
    m_topicCaption->setBuddy(m_topic);
    m_levelCaption->setBuddy(m_level);
    m_codeCaption->setBuddy(m_codeField);
    grid->addWidget(m_topicCaption, 0, 0);
    grid->addWidget(m_topic, 0, 1, 1, 2);
    grid->addWidget(m_levelCaption, 1, 0);
    grid->addWidget(m_level, 1, 1, 1, 2);
    grid->addWidget(m_codeCaption, 2, 0);
    grid->addWidget(m_codeField, 2, 1);
    grid->addWidget(m_newSheet, 2, 2);
    grid->setColumnStretch(1, 1);
    static_cast<QBoxLayout*>(layout())->addLayout(grid);

    connect(m_topic, &QComboBox::activated, this,
            [this](int chosen) { startFresh(practice::topics()[std::size_t(chosen)].topic, 1); });
    connect(m_level, &QComboBox::activated, this,
            [this](int chosen) { startFresh(m_practice->exercise().topic, chosen + 1); });
    connect(m_codeField, &QLineEdit::returnPressed, this, &PracticePane::startTyped);
    connect(m_newSheet, &QPushButton::clicked, this,
            [this] { startFresh(m_practice->exercise().topic, m_practice->exercise().level); });
}

void PracticePane::buildMoves()
{
    auto* row = new QHBoxLayout;
    for (const practice::MoveRow& each : practice::moves()) {
        auto* button = new QPushButton(this);
        // Named as the code names its move: "check", "showWorking".
        QString name = toQString(each.caption).remove(' ');
        name[0] = name[0].toLower();
        button->setObjectName(name);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, each] { move(each.move); });
        row->addWidget(button);
        m_moves.push_back(button);
    }
    row->addStretch();
    static_cast<QBoxLayout*>(layout())->addLayout(row);
}

void PracticePane::setZoom(int percent)
{
    QFont font(toQString(fontFamily));
    font.setPointSizeF(workingPanePoints * percent / 100);
    setFont(font);
    m_reply->document()->setDefaultFont(font);
    QFont large = font;
    large.setPointSizeF(font.pointSizeF() * exerciseScale);
    m_exercise->setFont(large);
    m_boxes->setFont(font);
    QFont bold = font;
    bold.setBold(true);
    m_heading->setFont(bold);
    const QFontMetrics metrics(font);
    setFixedWidth(metrics.averageCharWidth() * roomCharacters);
    m_reply->setFixedHeight(metrics.lineSpacing() * replyLines + 2 * m_reply->frameWidth() + 8);
    // The drawn fractions are measured in the font: what the room said is laid out anew in it.
    if (m_lastReply)
        showLines(m_lastReply->lines, m_lastReply->working, *m_lastReply->language);
}

// The sheet goes on at the same exercise, its numbers written anew; the tally goes on too.
void PracticePane::retranslate()
{
    m_heading->setText(said(practice::roomWords(RoomText::practice)));
    setAccessibleName(m_heading->text());
    m_topicCaption->setText(said(practice::roomWords(RoomText::topic)));
    m_levelCaption->setText(said(practice::roomWords(RoomText::level)));
    m_codeCaption->setText(said(practice::roomWords(RoomText::sheetCode)));
    m_topic->setAccessibleName(m_topicCaption->text());
    m_level->setAccessibleName(m_levelCaption->text());
    m_codeField->setAccessibleName(m_codeCaption->text());
    m_reply->setAccessibleName(said(practice::roomWords(RoomText::reply)));
    m_newSheet->setText(said(practice::roomWords(RoomText::newSheet)));
    for (std::size_t i = 0; i < m_moves.size(); ++i)
        m_moves[i]->setText(said(practice::captionOf(practice::moves()[i].move)));
    // Rebuilt from its code, the sheet writes the exercise's numbers in the language now in use.
    m_before = tally();
    m_practice.emplace(m_code);
    for (int i = 0; i < m_index; ++i)
        m_practice->next();
    fillChoosers();
    showExercise();
    if (m_lastReply)
        showLines(m_lastReply->lines, m_lastReply->working, *m_lastReply->language);
    showTally();
}

practice::Tally PracticePane::tally() const
{
    const practice::Tally& now = m_practice->tally();
    return {m_before.rightFirstTime + now.rightFirstTime, m_before.rightAfterHint + now.rightAfterHint,
            m_before.shown + now.shown};
}

// The topics by name and the levels of the sheet's topic by their descriptions, the sheet's chosen.
void PracticePane::fillChoosers()
{
    const QSignalBlocker quietTopic(m_topic), quietLevel(m_level);
    m_topic->clear();
    for (const practice::TopicRow& row : practice::topics())
        m_topic->addItem(said(practice::nameOf(row.topic)));
    m_topic->setCurrentIndex(int(m_code.topic));
    m_level->clear();
    for (int level = 1; level <= practice::levelCount(m_code.topic); ++level)
        m_level->addItem(said(practice::levelStep(m_code.topic, level)));
    m_level->setCurrentIndex(m_code.level - 1);
    m_codeField->setText(toQString(practice::codeText(m_code)));
}

void PracticePane::start(const practice::SheetCode& code)
{
    if (m_practice)
        m_before = tally();
    m_code = code;
    m_index = 0;
    m_practice.emplace(code);
    m_lastReply.reset();
    fillChoosers();
    showExercise();
    showLines({}, std::nullopt, currentLanguage());
    showTally();
}

// A code that cannot be read says why; the sheet on view stays as it is.
void PracticePane::startTyped()
{
    const auto read = practice::readSheetCode(m_codeField->text().toStdString());
    if (const auto* unread = std::get_if<practice::UnreadCode>(&read)) {
        m_lastReply =
            practice::Reply{std::nullopt, {practice::problemStep(*unread)}, std::nullopt, &currentLanguage()};
        showLines(m_lastReply->lines, std::nullopt, currentLanguage());
        return announceReply();
    }
    start(std::get<practice::SheetCode>(read));
    m_boxes->focusFirst();
}

void PracticePane::startFresh(practice::Topic topic, int level) { start(freshCode(topic, level)); }

void PracticePane::showExercise()
{
    const practice::Exercise& exercise = m_practice->exercise();
    m_exercise->setMath(exercise.question, *exercise.language);
    m_boxes->setShape(exercise.shape);
    emit announced(m_exercise->accessibleName());
}

void PracticePane::move(practice::Move move)
{
    switch (move) {
    case practice::Move::check:
        m_lastReply = m_practice->answer(m_boxes->answer());
        break;
    case practice::Move::hint:
        m_lastReply = m_practice->hint();
        break;
    case practice::Move::showWorking:
        m_lastReply = m_practice->showWorking();
        break;
    case practice::Move::next:
        m_practice->next();
        ++m_index;
        m_lastReply.reset();
        showExercise();
        showLines({}, std::nullopt, currentLanguage());
        m_boxes->focusFirst();
        return showTally();
    }
    showLines(m_lastReply->lines, m_lastReply->working, *m_lastReply->language);
    showTally();
    announceReply();
}

// The first line stands out, as a working's heading does; the whole working follows it.
void PracticePane::showLines(const std::vector<working::Step>& lines,
                             const std::optional<working::Entry>& whole, const Language& writtenIn)
{
    m_reply->showAll({});
    if (lines.empty())
        return;
    m_reply->append({&writtenIn, lines.front(), {lines.begin() + 1, lines.end()}, {}, {}, {}});
    if (whole)
        m_reply->append(*whole);
}

// What the room said, as the status line's click is heard: its lines, then the working.
void PracticePane::announceReply()
{
    QStringList heard;
    for (const working::Step& line : m_lastReply->lines)
        heard << toQString(working::spoken(line, *m_lastReply->language));
    if (m_lastReply->working)
        heard << toQString(working::spoken(*m_lastReply->working));
    emit announced(heard.join(' '));
}

void PracticePane::showTally()
{
    QStringList shown;
    for (const working::Step& line : practice::tallyLines(tally()))
        shown << said(line);
    m_tally->setText(shown.join('\n'));
}

} // namespace vorantis
