#pragma once

// How a click becomes a result:
//   widget click (button, clickable label, menu command)
//     -> MainWindow::run(procedure): clears the status line
//     -> the panel procedure reads and writes fields through WidgetForm (panels/)
//     -> the core converts texts and computes (core/), throwing Failure at a failing step
//     -> run() catches it and shows "<panel>: <what went wrong>" in the status line.
// What a procedure wrote before it failed stays on view; the window always goes on.

#include "app/widget_form.h"

#include <QMainWindow>

#include <memory>

namespace vorantis {

class OneLineLabel;
struct Procedure;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The status line that shows a failure; empty when the last click succeeded.
    QString failureMessage() const;

    void about_Click();
    void exit_Click();

private:
    QWidget* buildSurface();
    void buildMenu();
    void run(const Procedure& procedure);

    QWidget* m_surface = nullptr;
    OneLineLabel* m_failure = nullptr;
    std::unique_ptr<WidgetForm> m_form;
};

} // namespace vorantis
