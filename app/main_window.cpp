// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include "app/language_choice.h"
#include "app/one_line_label.h"
#include "app/practice_pane.h"
#include "app/qt_text.h"
#include "app/read_aloud.h"
#include "app/surface.h"
#include "app/working_pane.h"
#include "app/working_view.h"
#include "app/worksheet_dialog.h"
#include "layout/about.h"
#include "layout/window.h"
#include "panels/dispatch.h"
#include "panels/procedures.h"
#include "working/explain.h"
#include "working/speech.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QBoxLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QResizeEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>

namespace vorantis {
namespace {

constexpr int smallestFittedZoom = 50;

// A plain widget is a client area to the accessibility bus; this one is the program's window,
// a frame with the title a screen reader names when the pupil comes to it.
QAccessibleInterface* asWindow(const QString& className, QObject* object)
{
    if (className != QLatin1String(MainWindow::staticMetaObject.className()))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    [[maybe_unused]] static const bool framed = (QAccessible::installFactory(asWindow), true);
    const std::optional<ViewSettings> remembered = readViewSettings();
    if (remembered && !remembered->language.isEmpty())
        if (const Language* chosen = languageCoded(remembered->language.toStdString()))
            speak(*chosen); // chosen in the View menu, over the system's
    setObjectName("Vorantis");
    setWindowTitle("Vorantis"); // a name, in every language
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->setSpacing(0);
    m_menuBar = new QMenuBar(this);
    frame->setMenuBar(m_menuBar);
    m_central = new QWidget(this);
    frame->addWidget(m_central);
    m_statusBar = new QStatusBar(this);
    frame->addWidget(m_statusBar);
    auto* row = new QHBoxLayout(m_central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    m_column = new QVBoxLayout;
    m_column->setContentsMargins(0, 0, 0, 0);
    m_column->setSpacing(0);
    row->addLayout(m_column);
    row->setAlignment(m_column, Qt::AlignTop);
    m_surface = new Surface([this](const Procedure& procedure) { run(procedure); }, m_central);
    m_column->addWidget(m_surface);
    m_form = std::make_unique<WidgetForm>(m_surface);

    m_readAloud = new ReadAloud(
        [this](int line) {
            if (m_pane && !m_log.entries().empty())
                m_pane->view()->highlight(m_pane->view()->chosenEntry(), line);
        },
        [this] { offerReadAloud(); }, this);
    m_failure = new OneLineLabel({}, this);
    m_failure->setObjectName("failureMessage");
    statusBar()->addWidget(m_failure, 1);
    statusBar()->setSizeGripEnabled(false);
    buildMenu();
    followTabOrder();

    frame->setSizeConstraint(QLayout::SetFixedSize);
    m_view = remembered.value_or(ViewSettings{});
    showWorking(m_view.working);
    showPractice(m_view.practice);
    if (!remembered)
        remember(); // a file that cannot be read or makes no sense is written anew
    if (auto* first = m_surface->findChild<QWidget*>("n"))
        first->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenu()
{
    for (const Menu& entry : menus()) {
        QMenu* menu = menuBar()->addMenu(toQString(vorantis::tr(entry.caption)));
        menu->setObjectName(toQString(entry.name));
        for (const MenuCommand& command : entry.commands) {
            if (command.separatorBefore)
                menu->addSeparator();
            if (command.command == Command::language) {
                m_actions[static_cast<std::size_t>(command.command)] = addLanguageMenu(menu, command);
                continue;
            }
            QAction* action = menu->addAction(toQString(vorantis::tr(command.caption)));
            action->setObjectName(toQString(command.name));
            QList<QKeySequence> keys;
            for (const std::string_view shortcut : command.shortcuts)
                if (!shortcut.empty())
                    keys << QKeySequence(toQString(shortcut), QKeySequence::PortableText);
            action->setShortcuts(keys);
            action->setCheckable(command.checkable);
            m_actions[static_cast<std::size_t>(command.command)] = action;
            if (command.checkable)
                connect(action, &QAction::toggled, this, [this, command] { carryOut(command.command); });
            else
                connect(action, &QAction::triggered, this, [this, command] { carryOut(command.command); });
        }
    }
    offerReadAloud();
    // The window's frame is known only once it is shown: the room for the next step is weighed
    // anew whenever the menu with the zoom opens.
    connect(qobject_cast<QMenu*>(action(Command::zoomIn)->parent()), &QMenu::aboutToShow, this,
            &MainWindow::enableZoomCommands);
    // Read Aloud asks for the system's voices when there may be something to read aloud.
    connect(qobject_cast<QMenu*>(action(Command::readAloud)->parent()), &QMenu::aboutToShow, m_readAloud,
            &ReadAloud::prepare);
}

// Each language by its own name, the one in use checked.
QAction* MainWindow::addLanguageMenu(QMenu* parent, const MenuCommand& command)
{
    QMenu* menu = parent->addMenu(toQString(vorantis::tr(command.caption)));
    menu->setObjectName(toQString(command.name));
    auto* choices = new QActionGroup(menu);
    for (const Language& language : languages()) {
        QAction* choice = menu->addAction(toQString(language.ownName));
        choice->setObjectName(toQString(language.code));
        choice->setCheckable(true);
        choice->setChecked(&language == &currentLanguage());
        choices->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, &language] {
            m_view.language = toQString(language.code);
            speakIn(language);
            remember();
        });
    }
    menu->menuAction()->setObjectName(toQString(command.name));
    return menu->menuAction();
}

// Everything the window says, said again in the language: menus, captions, names and hints,
// the pane's commands. A result keeps its words where they are the program's own ("Prime").
void MainWindow::speakIn(const Language& language)
{
    const Language& before = currentLanguage();
    speak(language);
    m_form->respell(before);
    m_surface->retranslate(before);
    if (m_status)
        m_failure->setCaption(m_status());
    if (m_pane)
        m_pane->retranslate();
    if (m_practice)
        m_practice->retranslate();
    const bool working = m_view.working;
    // The menus go once the command that chose the language has returned; until then they
    // answer to no name, so that only the new ones are found.
    for (QMenu* old : menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) {
        for (QObject* part : old->findChildren<QObject*>())
            part->setObjectName({});
        old->setObjectName({});
        old->deleteLater();
    }
    menuBar()->clear();
    buildMenu();
    const QSignalBlocker quiet(action(Command::working));
    action(Command::working)->setChecked(working);
    const QSignalBlocker quietPractice(action(Command::practice));
    action(Command::practice)->setChecked(m_view.practice);
    enableZoomCommands();
}

void MainWindow::carryOut(Command command)
{
    switch (command) {
    case Command::clear:
        return run(procedure(ProcedureId::clear));
    case Command::about:
        return about_Click();
    case Command::exit:
        return exit_Click();
    case Command::printWorksheet:
        return printWorksheet();
    case Command::working:
        showWorking(action(Command::working)->isChecked());
        return remember();
    case Command::practice:
        showPractice(action(Command::practice)->isChecked());
        return remember();
    case Command::zoomIn:
        zoomTo(m_view.zoom + zoomStep);
        return remember();
    case Command::zoomOut:
        zoomTo(m_view.zoom - zoomStep);
        return remember();
    case Command::actualSize:
        zoomTo(smallestZoom);
        return remember();
    case Command::readAloud:
        return readAloud();
    case Command::language:
        return; // a menu of its own
    }
}

// Read Aloud needs a voice of the language in use; without one it says why it cannot.
void MainWindow::offerReadAloud()
{
    QAction* read = action(Command::readAloud);
    read->setEnabled(m_readAloud->available());
    read->setToolTip(read->isEnabled() ? read->text().remove('&') : m_readAloud->unavailableReason());
    qobject_cast<QMenu*>(read->parent())->setToolTipsVisible(true);
}

// The entry selected in the pane, or else the newest; chosen again while it reads, it stops.
void MainWindow::readAloud()
{
    if (m_readAloud->reading())
        return m_readAloud->stop();
    if (m_log.entries().empty())
        return;
    const std::size_t chosen =
        m_pane && m_pane->isVisible() ? m_pane->view()->chosenEntry() : m_log.entries().size() - 1;
    m_readAloud->read(m_log.entries()[chosen]);
}

QAction* MainWindow::action(Command command) const { return m_actions[static_cast<std::size_t>(command)]; }

// The Tab order of the table, across the panels and the working pane once it is made.
void MainWindow::followTabOrder()
{
    QWidget* previous = nullptr;
    for (const std::string_view name : tabOrder())
        if (auto* next = centralWidget()->findChild<QWidget*>(toQString(name))) {
            if (previous)
                setTabOrder(previous, next);
            previous = next;
        }
}

void MainWindow::remember()
{
    const std::optional<FileTrouble> unsaved = writeViewSettings(m_view);
    if (unsaved && !m_unsavedSaid) {
        m_unsavedSaid = true;
        setStatus([trouble = *unsaved] {
            return toQString(
                fill(vorantis::tr("The view settings cannot be saved: {file}: {reason}"),
                     {{"file", trouble.path.toStdString()}, {"reason", reasonOf(trouble).toStdString()}}));
        });
    }
}

void MainWindow::setStatus(std::function<QString()> said)
{
    m_status = std::move(said);
    m_failure->setCaption(m_status ? m_status() : QString());
}

void MainWindow::run(const Procedure& procedure)
{
    const Click click = runClick(procedure, *m_form);
    m_form->markAfterFailure(staleResults(click), unfinishedWrites(click));
    if (const StatusNote status = statusOf(click); status.message)
        setStatus([status] { return QString::fromStdString(status.said()); });
    else
        setStatus({});
    working::Entry entry = explain(click);
    // What a screen reader hears of the click: its answer as a pupil says it, or why it stopped;
    // a change of the status line's name goes out on the accessibility bus.
    const QString heard = entry.failure || !entry.result
        ? toQString(statusLine(click))
        : toQString(working::spoken(*entry.result, *entry.language));
    announce(heard);
    m_log.add(std::move(entry));
    if (m_pane)
        m_pane->showNewest();
    if (m_pane && m_pane->isVisible())
        m_readAloud->prepare();
}

void MainWindow::showWorking(bool shown)
{
    // The system's speech is asked for its voices only once there is an entry to read: asked at
    // start, it would load a speech engine into every start, read aloud or not.
    if (shown && !m_log.entries().empty())
        m_readAloud->prepare();
    if (shown && !m_pane) {
        m_pane = new WorkingPane(m_log, centralWidget());
        m_pane->setZoom(m_shownZoom);
        connect(m_pane, &WorkingPane::saved, this, [this](const std::optional<FileTrouble>& trouble) {
            if (!trouble)
                return setStatus({});
            setStatus([trouble = *trouble] {
                return toQString(fill(
                    vorantis::tr("Working: not saved to {file}: {reason}"),
                    {{"file", trouble.path.toStdString()}, {"reason", reasonOf(trouble).toStdString()}}));
            });
        });
        m_column->addWidget(m_pane);
        followTabOrder();
    }
    showSide(m_pane, shown, Command::working, m_view.working);
}

void MainWindow::showPractice(bool shown)
{
    if (shown && !m_practice) {
        m_practice = new PracticePane(centralWidget());
        m_practice->setZoom(m_shownZoom);
        connect(m_practice, &PracticePane::announced, this, &MainWindow::announce);
        static_cast<QBoxLayout*>(centralWidget()->layout())->addWidget(m_practice, 0, Qt::AlignTop);
    }
    showSide(m_practice, shown, Command::practice, m_view.practice);
}

// The working or the practice room shown or hidden: it takes room from the zoom and gives it
// back, and its entry in the View menu and the view to remember say so.
void MainWindow::showSide(QWidget* side, bool shown, Command command, bool& remembered)
{
    if (side)
        side->setVisible(shown);
    zoomTo(m_view.zoom);
    const QSignalBlocker quiet(action(command));
    action(command)->setChecked(shown);
    remembered = shown;
}

// A sheet of the practice's own code, where the room has one.
void MainWindow::printWorksheet()
{
    WorksheetDialog dialog(m_practice ? practice::codeText(m_practice->code()) : std::string(), this);
    dialog.exec();
}

// A change of the status line's name goes out on the accessibility bus.
void MainWindow::announce(const QString& heard)
{
    m_failure->setAccessibleName(QString());
    m_failure->setAccessibleName(heard);
}

// Zooms in steps, from 100 % to 200 %, as far as the window still fits the screen.
void MainWindow::zoomTo(int percent)
{
    percent = std::clamp(percent, smallestZoom, largestZoom);
    // Until the window is shown, its screen and frame are not known: it is fitted when shown.
    // Where the system's own scale (QT_SCALE_FACTOR) leaves no room even for the window's own
    // size, it is shown smaller than that, down to half: never past the screen's edge.
    while (isVisible() && percent > smallestFittedZoom && !fitsScreenAt(percent))
        percent -= zoomStep;
    m_shownZoom = percent;
    m_view.zoom = std::max(percent, smallestZoom);
    enableZoomCommands();
}

// A command that can do nothing is disabled, and so is its shortcut.
void MainWindow::enableZoomCommands()
{
    const int zoom = m_shownZoom;
    action(Command::zoomIn)
        ->setEnabled(zoom < largestZoom &&
                     (!isVisible() || m_zoomInUnmeasured || fitsScreenAt(zoom + zoomStep)));
    action(Command::zoomOut)->setEnabled(zoom > smallestZoom);
    action(Command::actualSize)->setEnabled(zoom > smallestZoom);
    applyZoom(zoom);
}

void MainWindow::applyZoom(int percent)
{
    m_surface->setZoom(percent);
    if (m_pane)
        m_pane->setZoom(percent);
    if (m_practice)
        m_practice->setZoom(percent);
    // The window's own face, a little larger than the panels' text: the longest message fits.
    QFont font = m_surface->font();
    font.setPointSizeF(statusLinePoints * percent / 100);
    m_failure->setFont(font);
    // Laid out now, not at the next turn of the event loop, so that every size the window is
    // measured or laid out from is that of this zoom, whichever zoom came before.
    if (m_pane)
        m_pane->layout()->activate();
    if (m_practice)
        m_practice->layout()->activate();
    centralWidget()->layout()->activate();
}

// Lays the window's parts out at the zoom to measure it, so that whether a zoom fits depends on
// that zoom alone, never on the one it is reached from; the window itself keeps its size, and
// the caller lays out again at the zoom it keeps. Sizes are in the screen's own units, so a
// system scale (QT_SCALE_FACTOR, a screen's pixel ratio) counts too.
bool MainWindow::fitsScreenAt(int percent)
{
    const QScreen* shownOn = screen();
    if (!shownOn)
        return true;
    applyZoom(percent);
    const QSize content = centralWidget()->layout()->totalSizeHint();
    const QSize status = statusBar()->sizeHint();
    // A window not framed yet by the window manager is allowed a title bar and borders.
    QSize frame = frameGeometry().size() - geometry().size();
    if (frame.isEmpty())
        frame = QSize(16, 48);
    const QSize then = QSize(std::max(content.width(), status.width()),
                             menuBar()->sizeHint().height() + content.height() + status.height()) +
        frame;
    return shownOn->availableGeometry().width() >= then.width() &&
        shownOn->availableGeometry().height() >= then.height();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Shown, the window knows its screen and its frame; on another screen it is fitted anew.
    connect(windowHandle(), &QWindow::screenChanged, this, &MainWindow::fitToScreen, Qt::UniqueConnection);
    fitToScreen();
}

void MainWindow::fitToScreen() { zoomTo(m_view.zoom); }

// Once the first frame is drawn, Zoom In is measured against the screen. Until then it stays on
// offer: a zoom that does not fit is brought down to one that does (zoomTo).
bool MainWindow::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::UpdateRequest && m_zoomInUnmeasured) {
        m_zoomInUnmeasured = false;
        QTimer::singleShot(0, this, &MainWindow::enableZoomCommands);
    }
    return handled;
}

// A window grown by the zoom or the working moves rather than reach past an edge of the screen.
void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!isVisible() || !screen())
        return;
    const QRect room = screen()->availableGeometry();
    const QSize frame = size() + frameGeometry().size() - geometry().size();
    const QPoint inside(std::max(room.left(), std::min(pos().x(), room.right() + 1 - frame.width())),
                        std::max(room.top(), std::min(pos().y(), room.bottom() + 1 - frame.height())));
    if (inside != pos())
        move(inside);
}

QString MainWindow::failureMessage() const { return m_failure->text(); }

void MainWindow::about_Click()
{
    setStatus({});
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(),
                    toQString(vorantis::tr(aboutMessage)), QMessageBox::Ok, this);
    box.setObjectName("aboutBox");
    box.exec();
}

void MainWindow::exit_Click()
{
    close();
    QCoreApplication::quit();
}

} // namespace vorantis
