// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include "app/one_line_label.h"
#include "app/surface.h"
#include "app/working_pane.h"
#include "layout/about.h"
#include "panels/dispatch.h"
#include "panels/procedures.h"
#include "working/explain.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>

namespace vorantis {
namespace {

constexpr double statusPoints = 8;

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), m_view(readViewSettings())
{
    setObjectName("Vorantis");
    setWindowTitle("Vorantis");
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_surface = new Surface([this](const Procedure& procedure) { run(procedure); }, central);
    column->addWidget(m_surface);
    setCentralWidget(central);
    m_form = std::make_unique<WidgetForm>(m_surface);

    m_failure = new OneLineLabel({}, this);
    m_failure->setObjectName("failureMessage");
    statusBar()->addWidget(m_failure, 1);
    statusBar()->setSizeGripEnabled(false);
    buildMenu();

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    const ViewSettings remembered = m_view;
    zoomTo(remembered.zoom);
    showWorking(remembered.working);
    if (auto* first = m_surface->findChild<QWidget*>("n"))
        first->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenu()
{
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("file");
    QAction* clear = file->addAction("&Clear");
    clear->setObjectName("clear");
    connect(clear, &QAction::triggered, this, [this] { run(*procedureFor("clear")); });
    QAction* about = file->addAction("&About ");
    about->setObjectName("about");
    connect(about, &QAction::triggered, this, &MainWindow::about_Click);
    QAction* exit = file->addAction("E&xit");
    exit->setObjectName("exit");
    connect(exit, &QAction::triggered, this, &MainWindow::exit_Click);

    QMenu* view = menuBar()->addMenu("&View");
    view->setObjectName("view");
    m_workingAction = view->addAction("&Working");
    m_workingAction->setObjectName("working");
    m_workingAction->setCheckable(true);
    m_workingAction->setShortcut(QKeySequence("Ctrl+Shift+W"));
    connect(m_workingAction, &QAction::toggled, this, [this](bool shown) {
        showWorking(shown);
        writeViewSettings(m_view);
    });
    view->addSeparator();
    const auto addZoom = [this, view](const char* name, const QString& caption, QList<QKeySequence> keys,
                                      auto percent) {
        QAction* action = view->addAction(caption);
        action->setObjectName(name);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, [this, percent] {
            zoomTo(percent(m_view.zoom));
            writeViewSettings(m_view);
        });
    };
    addZoom("zoomIn", "Zoom &In", {QKeySequence::ZoomIn, QKeySequence("Ctrl+=")},
            [](int zoom) { return zoom + ViewSettings::zoomStep; });
    addZoom("zoomOut", "Zoom &Out", {QKeySequence::ZoomOut},
            [](int zoom) { return zoom - ViewSettings::zoomStep; });
    addZoom("actualSize", "&Actual Size", {QKeySequence("Ctrl+0")}, [](int) { return 100; });
}

void MainWindow::run(const Procedure& procedure)
{
    const Click click = runClick(procedure, *m_form);
    m_failure->setCaption(QString::fromStdString(click.failure));
    m_log.add(explain(click));
    if (m_pane)
        m_pane->showNewest();
}

void MainWindow::showWorking(bool shown)
{
    if (shown && !m_pane) {
        m_pane = new WorkingPane(m_log, centralWidget());
        m_pane->setZoom(m_view.zoom);
        connect(m_pane, &WorkingPane::report, m_failure, &OneLineLabel::setCaption);
        centralWidget()->layout()->addWidget(m_pane);
    }
    if (m_pane)
        m_pane->setVisible(shown);
    if (shown)
        zoomTo(m_view.zoom); // the pane may leave too little room for the zoom
    const QSignalBlocker quiet(m_workingAction);
    m_workingAction->setChecked(shown);
    m_view.working = shown;
}

// Zooms in steps, from 100 % to 200 %, as far as the window still fits the screen.
void MainWindow::zoomTo(int percent)
{
    percent = std::clamp(percent, ViewSettings::smallestZoom, ViewSettings::largestZoom);
    while (percent > ViewSettings::smallestZoom && !fitsScreenAt(percent))
        percent -= ViewSettings::zoomStep;
    m_surface->setZoom(percent);
    if (m_pane)
        m_pane->setZoom(percent);
    // The window's own face, a little larger than the panels' text: the longest message fits.
    QFont font = m_surface->font();
    font.setPointSizeF(statusPoints * percent / 100);
    m_failure->setFont(font);
    m_view.zoom = percent;
}

bool MainWindow::fitsScreenAt(int percent) const
{
    const QScreen* shownOn = screen();
    if (!shownOn)
        return true;
    // Everything but the menu bar grows with the zoom, so this errs on the side of fitting; a
    // window not shown yet has no frame, for which a title bar and borders are allowed.
    layout()->activate();
    const QSize frame = isVisible() ? frameGeometry().size() - geometry().size() : QSize(16, 48);
    const QSize now = sizeHint() + frame;
    const QSize then = now * (double(percent) / m_surface->zoom());
    return shownOn->availableGeometry().width() >= then.width() &&
        shownOn->availableGeometry().height() >= then.height();
}

QString MainWindow::failureMessage() const { return m_failure->text(); }

void MainWindow::about_Click()
{
    m_failure->setCaption({});
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(),
                    QString::fromUtf8(aboutMessage.data(), qsizetype(aboutMessage.size())), QMessageBox::Ok,
                    this);
    box.setObjectName("aboutBox");
    box.exec();
}

void MainWindow::exit_Click()
{
    close();
    QCoreApplication::quit();
}

} // namespace vorantis
