// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/file_trouble.h"

#include <QWidget>

#include <optional>
#include <string>

namespace vorantis {

class WorkingLog;
class WorkingView;
namespace working {
struct Entry;
}

// The working of every click, newest at the bottom, under a row of three commands: Copy All
// puts it on the clipboard, Save As… writes it as plain text or a web page, Clear empties it.
// It shows the log it is given, which keeps the entries while the pane is hidden or not yet
// made.
class WorkingPane : public QWidget {
    Q_OBJECT

public:
    WorkingPane(WorkingLog& log, QWidget* parent);

    // Shows the log's newest entry at the bottom and scrolls to it.
    void showNewest();
    void setZoom(int percent);
    // Its commands' captions and names, in the language in use.
    void retranslate();
    WorkingView* view() const { return m_view; }

signals:
    // After Save As…: why the working could not be written, or nothing where it was.
    void saved(const std::optional<FileTrouble>& trouble);

private:
    void saveAs();
    void clearAll();

    WorkingLog& m_log;
    WorkingView* m_view;
};

} // namespace vorantis
