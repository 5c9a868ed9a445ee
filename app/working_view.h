// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "working/entry.h"

#include <QTextBlock>
#include <QTextEdit>

#include <deque>
#include <vector>

namespace vorantis {

// The working's entries as a teacher writes them: each a heading, its steps and its answer in
// bold, the mathematics drawn with stacked fractions, raised powers and root signs as objects of
// the text (app/math_drawing.h), so that a line breaks between two pieces, never inside one. A
// selection copies, and a screen reader reads, the plain text (working/plain_text.h).
class WorkingView : public QTextEdit {
    Q_OBJECT

public:
    explicit WorkingView(QWidget* parent);

    void append(const working::Entry& entry);
    // Writes every entry anew, in the language in use and the view's font.
    void showAll(const std::deque<working::Entry>& entries);

    // The plain text of the characters from `start` to `end`, each drawn piece as its plain form.
    QString plainText(int start, int end) const;
    int characterCount() const;
    // The paragraphs of the newest entry: its heading, steps, answer and what follows.
    std::vector<QTextBlock> newestEntry() const;
    // The entry a selection starts in, counted from the oldest on view; the newest where nothing
    // is selected.
    std::size_t chosenEntry() const;
    // Shows the line of the entry (from 0) highlighted, as it is read aloud; -1 shows none.
    void highlight(std::size_t entry, int line);

    // What a screen reader reads: each entry's lines in their spoken form.
    QString spokenText() const;

protected:
    QMimeData* createMimeDataFromSelection() const override;

private:
    void appendLine(const working::Step& step, const Language& writtenIn, bool opensEntry, bool emphasised);
    void insertMath(QTextCursor& cursor, const working::Math& math, const Language& writtenIn, bool bold);

    std::deque<int> m_entryBlocks; // how many paragraphs each entry on view takes
    std::deque<QString> m_spoken; // each entry on view as it is said
};

} // namespace vorantis
