// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/worksheet_painting.h"

#include "app/math_drawing.h"
#include "app/paper_text.h"
#include "app/qt_text.h"
#include "working/plain_text.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <cerrno>
#include <functional>

namespace vorantis {
namespace {

using practice::Worksheet;

// A piece of a page that is never split: the head, a row of exercises, the key's heading, one
// answer. `draw` puts it down from its top left corner.
struct Block {
    qreal height;
    bool opensPage;
    std::function<void(QPainter&, QPointF)> draw;
};

// A line of the page's foot: a code as it is typed on a sheet, without the quotes a typed text
// has in a sentence.
QString plain(const working::Step& step, const Language& writtenIn)
{
    QString line;
    for (const working::Piece& piece : working::piecesOf(step))
        line += !piece.math ? toQString(piece.words)
            : piece.math->kind == working::Math::Kind::typed
            ? toQString(piece.math->text)
            : toQString(working::plainText(*piece.math, writtenIn));
    return line;
}

class SheetLayout {
public:
    SheetLayout(const Worksheet& sheet, const SheetChoices& choices, qreal width, int dpi)
        : m_sheet(sheet), m_width(width), m_body(paperFont(choices.points, dpi)),
          m_heading(paperFont(choices.points * 1.4, dpi, true)), m_metrics(m_body)
    {
    }

    std::vector<Block> blocks(bool key) const
    {
        std::vector<Block> all{head()};
        exerciseRows(all);
        if (key) {
            all.push_back(
                lines(working::shown(practice::roomWords(practice::RoomText::answers)), m_heading, 0, true));
            for (std::size_t i = 0; i < m_sheet.key.size(); ++i)
                all.push_back(answer(i));
        }
        return all;
    }

private:
    const Language& language() const { return *m_sheet.language; }
    qreal numberWidth() const { return m_metrics.horizontalAdvance(QStringLiteral("00. ")); }
    static QString numbered(std::size_t i) { return QString::number(i + 1) + QLatin1Char('.'); }

    // A step over as many lines as it needs, from `indent`.
    Block lines(const working::Step& step, const QFont& font, qreal indent, bool opensPage) const
    {
        auto kept = std::make_shared<working::Step>(step); // the lines point into it
        auto broken =
            std::make_shared<std::vector<PaperLine>>(breakStep(*kept, font, language(), m_width - indent));
        qreal height = m_metrics.lineSpacing() * 0.4;
        for (const PaperLine& line : *broken)
            height += line.ascent + line.descent;
        return {height, opensPage, [this, broken, kept, font, indent](QPainter& painter, QPointF top) {
                    for (const PaperLine& line : *broken) {
                        drawLine(painter, top + QPointF(indent, 0), line, font, language());
                        top.ry() += line.ascent + line.descent;
                    }
                }};
    }

    // The title, the level and the instruction, and a line each for the pupil's name and the date.
    Block head() const
    {
        std::vector<Block> parts{lines(m_sheet.title, m_heading, 0, false),
                                 lines(m_sheet.level, m_body, 0, false),
                                 lines(m_sheet.instruction, m_body, 0, false)};
        const qreal writeOn = m_metrics.lineSpacing() * 2.5;
        qreal height = writeOn + m_metrics.lineSpacing();
        for (const Block& part : parts)
            height += part.height;
        return {
            height, false, [this, parts, writeOn](QPainter& painter, QPointF top) {
                for (const Block& part : parts) {
                    part.draw(painter, top);
                    top.ry() += part.height;
                }
                const qreal baseline = top.y() + writeOn;
                writeAfter(painter, {top.x(), baseline}, practice::RoomText::name, m_width * 0.6);
                writeAfter(painter, {top.x() + m_width * 0.65, baseline}, practice::RoomText::date, m_width);
            }};
    }

    // The words, and a line to write on after them up to `end`.
    void writeAfter(QPainter& painter, QPointF baseline, practice::RoomText words, qreal end) const
    {
        const QString said = toQString(working::plainText(practice::roomWords(words), language()));
        painter.setFont(m_body);
        painter.drawText(baseline, said);
        const qreal from = baseline.x() + m_metrics.horizontalAdvance(said + QLatin1Char(' '));
        painter.drawLine(QPointF(from, baseline.y() + m_metrics.descent()),
                         QPointF(end, baseline.y() + m_metrics.descent()));
    }

    void exerciseRows(std::vector<Block>& all) const;
    Block answer(std::size_t i) const;

    const Worksheet& m_sheet;
    qreal m_width;
    QFont m_body, m_heading;
    QFontMetricsF m_metrics;
};

// Two columns where the widest exercise leaves room to write its answer beside it in half the
// width, else one; each exercise with room below it for its working.
void SheetLayout::exerciseRows(std::vector<Block>& all) const
{
    const qreal gutter = m_metrics.height() * 2, writingRoom = m_metrics.height() * 7;
    qreal widest = 0, ascent = m_metrics.ascent(), descent = m_metrics.descent();
    for (const practice::Exercise& exercise : m_sheet.exercises) {
        const MathBox box = measureMath(exercise.question, m_body, language());
        widest = std::max(widest, box.width);
        ascent = std::max(ascent, box.ascent);
        descent = std::max(descent, box.descent);
    }
    const qreal half = (m_width - gutter) / 2;
    const std::size_t columns = numberWidth() + widest + writingRoom <= half ? 2 : 1;
    const qreal columnWidth = columns == 2 ? half : m_width;
    const qreal height = ascent + descent + m_metrics.lineSpacing() * 2;
    for (std::size_t first = 0; first < m_sheet.exercises.size(); first += columns) {
        all.push_back(
            {height, false, [=, this](QPainter& painter, QPointF top) {
                 for (std::size_t i = first; i < std::min(first + columns, m_sheet.exercises.size()); ++i) {
                     const QPointF baseline = top + QPointF((i - first) * (columnWidth + gutter), ascent);
                     painter.setFont(m_body);
                     painter.drawText(baseline, numbered(i));
                     const working::Math& question = m_sheet.exercises[i].question;
                     drawPaperMath(painter, baseline + QPointF(numberWidth(), 0), question, m_body,
                                   language());
                     const qreal from = baseline.x() + numberWidth() +
                         measureMath(question, m_body, language()).width + m_metrics.height();
                     const qreal y = baseline.y() + descent;
                     painter.drawLine(QPointF(from, y), QPointF(baseline.x() + columnWidth, y));
                 }
             }});
    }
}

// The answer as a teacher writes it, and its short working below it.
Block SheetLayout::answer(std::size_t i) const
{
    const practice::KeyLine& line = m_sheet.key[i];
    const MathBox box = measureMath(line.answer, m_body, language());
    const qreal ascent = std::max(box.ascent, m_metrics.ascent());
    const qreal first = ascent + std::max(box.descent, m_metrics.descent());
    std::vector<Block> steps;
    qreal height = first + m_metrics.lineSpacing() * 0.4;
    for (const working::Step& step : line.working) {
        steps.push_back(lines(step, m_body, numberWidth(), false));
        height += steps.back().height;
    }
    return {height, false, [=, this](QPainter& painter, QPointF top) {
                painter.setFont(m_body);
                painter.drawText(top + QPointF(0, ascent), numbered(i));
                drawPaperMath(painter, top + QPointF(numberWidth(), ascent), line.answer, m_body, language());
                top.ry() += first;
                for (const Block& step : steps) {
                    step.draw(painter, top);
                    top.ry() += step.height;
                }
            }};
}

// The blocks page by page: a block that does not fit on the page goes to the next.
std::vector<std::vector<std::pair<const Block*, qreal>>> paginate(const std::vector<Block>& blocks,
                                                                  qreal height)
{
    std::vector<std::vector<std::pair<const Block*, qreal>>> pages(1);
    qreal y = 0;
    for (const Block& block : blocks) {
        if (!pages.back().empty() && (block.opensPage || y + block.height > height)) {
            pages.emplace_back();
            y = 0;
        }
        pages.back().emplace_back(&block, y);
        y += block.height;
    }
    return pages;
}

} // namespace

practice::Paper usualPaper()
{
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? practice::Paper::letter
                                                                      : practice::Paper::a4;
}

void setUpPaper(QPagedPaintDevice& device, practice::Paper paper)
{
    device.setPageSize(QPageSize(paper == practice::Paper::letter ? QPageSize::Letter : QPageSize::A4));
    device.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

bool paintWorksheet(QPagedPaintDevice& device, const Worksheet& sheet, const SheetChoices& choices)
{
    const int dpi = device.logicalDpiY();
    const QFont foot = paperFont(std::max(9.0, choices.points * 0.75), dpi);
    const QFontMetricsF footMetrics(foot);
    const qreal width = device.width(), footTop = device.height() - footMetrics.lineSpacing();
    const SheetLayout layout(sheet, choices, width, dpi);
    const std::vector<Block> blocks = layout.blocks(choices.key);
    const auto pages = paginate(blocks, footTop - footMetrics.lineSpacing());
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setPen(QPen(Qt::black, std::max(1, dpi / 150)));
    for (std::size_t page = 0; page < pages.size(); ++page) {
        if (page > 0)
            device.newPage();
        for (const auto& [block, top] : pages[page])
            block->draw(painter, {0, top});
        painter.setFont(foot);
        const qreal baseline = footTop + footMetrics.ascent();
        painter.drawText(QPointF(0, baseline),
                         plain(practice::sheetLine(practice::codeText(sheet.code)), *sheet.language));
        const QString number = plain(practice::pageLine(int(page) + 1, int(pages.size())), *sheet.language);
        painter.drawText(QPointF(width - footMetrics.horizontalAdvance(number), baseline), number);
    }
    return painter.end();
}

std::optional<FileTrouble> writeWorksheetPdf(const QString& path, const Worksheet& sheet,
                                             const SheetChoices& choices)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(600);
        writer.setTitle(plain(practice::sheetLine(practice::codeText(sheet.code)), *sheet.language));
        writer.setCreator(QStringLiteral("Vorantis"));
        setUpPaper(writer, choices.paper);
        if (!paintWorksheet(writer, sheet, choices))
            return FileTrouble{path, 0};
    }
    // Written whole or not at all, as the working's Save As… writes.
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf.data()) != pdf.data().size() || !file.commit())
        return FileTrouble{path, errno};
    return std::nullopt;
}

} // namespace vorantis
