// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/working_view.h"

#include "app/math_drawing.h"
#include "app/qt_text.h"
#include "language/language.h"
#include "working/log.h"
#include "working/plain_text.h"
#include "working/speech.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QMimeData>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextObjectInterface>

#include <memory>

namespace vorantis {

// A drawn piece of mathematics, kept in its character's format.
struct DrawnMath {
    std::shared_ptr<const working::Math> math;
    const Language* writtenIn = nullptr;
    QString plain;
};

} // namespace vorantis

Q_DECLARE_METATYPE(vorantis::DrawnMath)

namespace vorantis {
namespace {

constexpr int mathObject = QTextFormat::UserObject + 1;
constexpr int mathProperty = QTextFormat::UserProperty + 1;

DrawnMath drawnAt(const QTextFormat& format) { return format.property(mathProperty).value<DrawnMath>(); }

QFont fontOf(const QTextDocument* document, const QTextFormat& format)
{
    return format.toCharFormat().font().resolve(document->defaultFont());
}

// Fractions, powers and roots, drawn where the text has their object. The text lays an object
// out with its middle on the baseline: each is given room alike above and below its own
// baseline, which it is drawn on.
class MathObjects : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    using QObject::QObject;

    QSizeF intrinsicSize(QTextDocument* document, int, const QTextFormat& format) override
    {
        const DrawnMath drawn = drawnAt(format);
        const MathBox box = measureMath(*drawn.math, fontOf(document, format), *drawn.writtenIn);
        return {box.width, 2 * std::max(box.ascent, box.descent)};
    }

    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* document, int,
                    const QTextFormat& format) override
    {
        const DrawnMath drawn = drawnAt(format);
        drawMath(*painter, {rect.left(), rect.center().y()}, *drawn.math, fontOf(document, format),
                 *drawn.writtenIn);
    }
};

// What a screen reader reads of the view: each entry as a pupil says it ("three quarters", not
// "3 slash 4"), where a drawn piece's own character would say nothing.
class AccessibleWorking : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleWorking(WorkingView* view) : QAccessibleWidget(view, QAccessible::EditableText) { }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        return state;
    }

    QString text(int start, int end) const override { return view()->spokenText().mid(start, end - start); }
    int characterCount() const override { return int(view()->spokenText().size()); }
    int cursorPosition() const override { return view()->textCursor().position(); }
    void setCursorPosition(int position) override
    {
        QTextCursor cursor = view()->textCursor();
        cursor.setPosition(position);
        view()->setTextCursor(cursor);
    }
    void selection(int, int* start, int* end) const override
    {
        *start = view()->textCursor().selectionStart();
        *end = view()->textCursor().selectionEnd();
    }
    int selectionCount() const override { return view()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { setCursorPosition(cursorPosition()); }
    void setSelection(int, int start, int end) override
    {
        QTextCursor cursor = view()->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        view()->setTextCursor(cursor);
    }
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = offset;
        *end = offset + 1;
        return {};
    }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override { }

private:
    WorkingView* view() const { return static_cast<WorkingView*>(widget()); }
};

QAccessibleInterface* accessibleWorking(const QString& className, QObject* object)
{
    if (className == QLatin1String("vorantis::WorkingView"))
        return new AccessibleWorking(static_cast<WorkingView*>(object));
    return nullptr;
}

} // namespace

WorkingView::WorkingView(QWidget* parent) : QTextEdit(parent)
{
    static const bool factory = (QAccessible::installFactory(accessibleWorking), true);
    (void)factory;
    setReadOnly(true);
    setUndoRedoEnabled(false);
    document()->documentLayout()->registerHandler(mathObject, new MathObjects(this));
}

void WorkingView::append(const working::Entry& entry)
{
    const int before = document()->blockCount();
    const bool first = document()->isEmpty();
    appendLine(entry.heading, *entry.language, !first, true);
    for (const working::Step& step : entry.steps)
        appendLine(step, *entry.language, false, false);
    if (entry.result)
        appendLine(*entry.result, *entry.language, false, true);
    if (entry.afterword)
        appendLine(*entry.afterword, *entry.language, false, false);
    if (entry.failure) {
        QTextCursor cursor(document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertBlock();
        cursor.insertText(QString::fromStdString(entry.failure->said()));
    }
    m_entryBlocks.push_back(document()->blockCount() - before + (first ? 1 : 0));
    m_spoken.push_back(toQString(working::spoken(entry)));
    // The view keeps as many entries as the log.
    while (m_entryBlocks.size() > WorkingLog::capacity) {
        QTextCursor oldest(document());
        oldest.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, m_entryBlocks.front());
        oldest.removeSelectedText();
        m_entryBlocks.pop_front();
        m_spoken.pop_front();
    }
}

void WorkingView::showAll(const std::deque<working::Entry>& entries)
{
    clear();
    m_entryBlocks.clear();
    m_spoken.clear();
    for (const working::Entry& entry : entries)
        append(entry);
}

void WorkingView::appendLine(const working::Step& step, const Language& writtenIn, bool opensEntry,
                             bool emphasised)
{
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    QTextBlockFormat block;
    block.setTopMargin(opensEntry ? QFontMetricsF(font()).height() * 0.75 : 0);
    if (document()->isEmpty())
        cursor.setBlockFormat(block);
    else
        cursor.insertBlock(block);
    QTextCharFormat text;
    text.setFontWeight(emphasised ? QFont::Bold : QFont::Normal);
    for (const working::Piece& piece : working::piecesOf(step)) {
        if (piece.math)
            insertMath(cursor, *piece.math, writtenIn, emphasised);
        else
            cursor.insertText(toQString(piece.words), text);
    }
}

// Text where a piece is text, an object where it must be drawn; a row and a list as their parts,
// so that a long line breaks between them.
void WorkingView::insertMath(QTextCursor& cursor, const working::Math& math, const Language& writtenIn,
                             bool bold)
{
    using Kind = working::Math::Kind;
    QTextCharFormat text;
    text.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    switch (math.kind) {
    case Kind::fraction:
    case Kind::power:
    case Kind::root: {
        QTextCharFormat object = text;
        object.setObjectType(mathObject);
        object.setVerticalAlignment(QTextCharFormat::AlignMiddle);
        object.setProperty(
            mathProperty,
            QVariant::fromValue(DrawnMath{std::make_shared<const working::Math>(math), &writtenIn,
                                          toQString(working::plainText(math, writtenIn))}));
        cursor.insertText(QString(QChar::ObjectReplacementCharacter), object);
        return;
    }
    case Kind::row:
        for (std::size_t i = 0; i < math.parts.size(); ++i) {
            const working::Math& part = math.parts[i];
            const bool isSign = part.kind == Kind::sign;
            const bool unary = i == 0 && isSign && part.text == "−";
            const bool opens = isSign && part.text == "(", closes = isSign && part.text == ")";
            const bool afterOpen =
                i > 0 && math.parts[i - 1].kind == Kind::sign && math.parts[i - 1].text == "(";
            const bool afterUnary = i == 1 && math.parts[0].kind == Kind::sign && math.parts[0].text == "−";
            if (i > 0 && !closes && !afterOpen && !afterUnary)
                cursor.insertText(QStringLiteral(" "), text);
            if (unary)
                cursor.insertText(QStringLiteral("-"), text);
            else if (isSign)
                cursor.insertText(toQString(part.text), text);
            else
                insertMath(cursor, part, writtenIn, bold);
            (void)opens;
        }
        return;
    case Kind::list:
        for (std::size_t i = 0; i < math.parts.size(); ++i) {
            if (i > 0)
                cursor.insertText(toQString(vorantis::tr(", ", "list")), text);
            insertMath(cursor, math.parts[i], writtenIn, bold);
        }
        return;
    default:
        cursor.insertText(toQString(working::plainText(math, writtenIn)), text);
    }
}

QString WorkingView::plainText(int start, int end) const
{
    QString plain;
    QTextCursor at(document());
    for (int position = start; position < end && position < characterCount(); ++position) {
        const QChar c = document()->characterAt(position);
        if (c == QChar::ObjectReplacementCharacter) {
            at.setPosition(position + 1);
            plain += drawnAt(at.charFormat()).plain;
        } else {
            plain += c == QChar::ParagraphSeparator ? QChar('\n') : c;
        }
    }
    return plain;
}

int WorkingView::characterCount() const { return document()->characterCount() - 1; }

std::vector<QTextBlock> WorkingView::newestEntry() const
{
    std::vector<QTextBlock> blocks;
    if (m_entryBlocks.empty())
        return blocks;
    for (QTextBlock block = document()->lastBlock(); blocks.size() < std::size_t(m_entryBlocks.back());
         block = block.previous())
        blocks.insert(blocks.begin(), block);
    return blocks;
}

std::size_t WorkingView::chosenEntry() const
{
    if (m_entryBlocks.empty() || !textCursor().hasSelection())
        return m_entryBlocks.empty() ? 0 : m_entryBlocks.size() - 1;
    const int block = document()->findBlock(textCursor().selectionStart()).blockNumber();
    int first = 0;
    for (std::size_t entry = 0; entry < m_entryBlocks.size(); first += m_entryBlocks[entry++])
        if (block < first + m_entryBlocks[entry])
            return entry;
    return m_entryBlocks.size() - 1;
}

void WorkingView::highlight(std::size_t entry, int line)
{
    QList<QTextEdit::ExtraSelection> shown;
    if (line >= 0 && entry < m_entryBlocks.size()) {
        int first = 0;
        for (std::size_t i = 0; i < entry; ++i)
            first += m_entryBlocks[i];
        QTextEdit::ExtraSelection read;
        read.cursor = QTextCursor(document()->findBlockByNumber(first + line));
        read.format.setBackground(palette().highlight());
        read.format.setForeground(palette().highlightedText());
        read.format.setProperty(QTextFormat::FullWidthSelection, true);
        shown << read;
        setTextCursor(QTextCursor(read.cursor.block()));
        ensureCursorVisible();
    }
    setExtraSelections(shown);
}

QString WorkingView::spokenText() const
{
    QString text;
    for (const QString& entry : m_spoken)
        text += (text.isEmpty() ? QString() : QStringLiteral("\n")) + entry;
    return text;
}

QMimeData* WorkingView::createMimeDataFromSelection() const
{
    auto* data = new QMimeData;
    data->setText(plainText(textCursor().selectionStart(), textCursor().selectionEnd()));
    return data;
}

} // namespace vorantis

#include "working_view.moc"
