// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How a click becomes a result:
//   widget click (button, clickable label, Return in a field, menu command)
//     -> MainWindow::run(procedure)
//     -> runClick (panels/): the procedure reads and writes fields through WidgetForm; the
//        core converts texts and computes (core/), throwing Failure at a failing step, which
//        runClick catches and keeps as a message, said as "<panel>: <what went wrong>"
//     -> the status line shows that line (or a note on a result too large to hold, or
//        nothing), and the working log gets the click's entry, explained from what it read and
//        wrote (working/explain.h).
// What a procedure wrote before it failed stays on view, marked as unfinished; the window
// always goes on.

#include "app/view_settings.h"
#include "app/widget_form.h"
#include "layout/window.h"
#include "working/log.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QBoxLayout;
class QMenu;
class QMenuBar;
class QStatusBar;

namespace vorantis {

class OneLineLabel;
class PracticePane;
class ReadAloud;
class Surface;
class WorkingPane;
struct Procedure;

// A plain window whose column holds the menu bar, the panels and the status line. Qt's main
// window would bring its dock and toolbar layout, which this window never uses, at a third of a
// megabyte more at start.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    QMenuBar* menuBar() const { return m_menuBar; }
    QStatusBar* statusBar() const { return m_statusBar; }
    // The panels, and beside them the working and the practice room once shown.
    QWidget* centralWidget() const { return m_central; }

    // The status line that shows a failure; empty when the last click succeeded.
    QString failureMessage() const;

    void about_Click();
    void exit_Click();

private:
    void buildMenu();
    void carryOut(Command command);
    void followTabOrder();
    QAction* action(Command command) const;
    QAction* addLanguageMenu(QMenu* parent, const MenuCommand& command);
    void speakIn(const Language& language);
    void run(const Procedure& procedure);
    // The status line says what `said` gives, and says it again after a change of language.
    void setStatus(std::function<QString()> said);
    void showWorking(bool shown);
    void showPractice(bool shown);
    void showSide(QWidget* side, bool shown, Command command, bool& remembered);
    void printWorksheet();
    // A screen reader hears it as the status line's news.
    void announce(const QString& heard);
    void readAloud();
    void offerReadAloud();
    void zoomTo(int percent);
    void applyZoom(int percent);
    bool fitsScreenAt(int percent);
    void enableZoomCommands();
    void remember();
    void fitToScreen();
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

    QMenuBar* m_menuBar = nullptr;
    QWidget* m_central = nullptr;
    QStatusBar* m_statusBar = nullptr;
    Surface* m_surface = nullptr;
    QBoxLayout* m_column = nullptr; // the panels, and the working below them
    WorkingPane* m_pane = nullptr; // made when first shown
    PracticePane* m_practice = nullptr; // beside the column, made when first shown
    ReadAloud* m_readAloud = nullptr;
    OneLineLabel* m_failure = nullptr;
    std::unique_ptr<WidgetForm> m_form;
    WorkingLog m_log;
    ViewSettings m_view; // what is remembered: the zoom chosen, from 100 %
    int m_shownZoom = 100; // below 100 % where the screen has no room for more
    // Whether Zoom In still waits to be measured against the screen: that lays the whole window
    // out at the next zoom, which the first frame need not wait for.
    bool m_zoomInUnmeasured = true;
    std::array<QAction*, commandCount> m_actions{}; // one for each menu command, by its Command
    bool m_unsavedSaid = false; // a settings file that cannot be written is said once
    std::function<QString()> m_status; // what the status line says, in the language in use
};

} // namespace vorantis
