#include "app/main_window.h"

#include "app/clickable_label.h"
#include "app/line_widget.h"
#include "panels/about.h"
#include "panels/control_table.h"
#include "panels/dispatch.h"
#include "panels/procedures.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

#include <algorithm>
#include <vector>

namespace vorantis {
namespace {

// One face for the whole client area, from a free font package the set-up installs. At
// 7 pt every caption without a font of its own fits its rectangle.
constexpr auto fontFamily = "Liberation Sans";
constexpr double defaultFontPoints = 7;

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int pixels(int twips) { return twips / twipsPerPixel; }

QRect pixelRect(const TwipRect& rect)
{
    return {pixels(rect.left), pixels(rect.top), pixels(rect.width), pixels(rect.height)};
}

QWidget* createWidget(const ControlRow& row, QWidget* surface)
{
    const QString caption = toQString(row.caption);
    switch (row.kind) {
    case ControlKind::TextField:
        return new QLineEdit(surface);
    case ControlKind::Button: {
        auto* button = new QPushButton(caption, surface);
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::Label: {
        QLabel* label = nullptr;
        if (procedureFor(row.name)) {
            label = new ClickableLabel(caption, surface);
        } else {
            // Headings overlap the clickable labels; a label that starts nothing must never
            // take a click from one that does, so it lets every click through.
            label = new QLabel(caption, surface);
            label->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        return label;
    }
    case ControlKind::Line: {
        const QRect run = pixelRect(row.rect);
        return new LineWidget(run.topLeft(), run.topLeft() + QPoint(run.width(), run.height()), surface);
    }
    }
    return nullptr;
}

void applyRow(QWidget* widget, const ControlRow& row)
{
    widget->setObjectName(toQString(row.name));
    if (row.kind != ControlKind::Line)
        widget->setGeometry(pixelRect(row.rect));
    if (row.fontPoints > 0 || row.bold) {
        QFont font = widget->font();
        if (row.fontPoints > 0)
            font.setPointSizeF(row.fontPoints);
        font.setBold(row.bold);
        widget->setFont(font);
    }
    if (!row.spokenName.empty())
        widget->setAccessibleName(toQString(row.spokenName));
    if (row.startsHidden) {
        widget->hide();
        widget->setFocusPolicy(Qt::NoFocus);
    }
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("Vorantis");
    setWindowTitle("Vorantis");
    setCentralWidget(buildSurface());
    m_form = std::make_unique<WidgetForm>(m_surface);
    buildMenu();

    m_failure = new QLabel(this);
    m_failure->setObjectName("failureMessage");
    statusBar()->addWidget(m_failure, 1);
    statusBar()->setSizeGripEnabled(false);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    if (auto* first = m_surface->findChild<QWidget*>("n"))
        first->setFocus();
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::buildSurface()
{
    m_surface = new QWidget(this);
    m_surface->setObjectName("surface");
    m_surface->setFixedSize(pixels(clientWidthTwips), pixels(clientHeightTwips));
    QFont font(fontFamily);
    font.setPointSizeF(defaultFontPoints);
    m_surface->setFont(font);

    std::vector<std::pair<int, QWidget*>> focusChain;
    std::vector<QWidget*> background; // labels and lines lie behind fields and buttons
    for (const ControlRow& row : controlTable()) {
        QWidget* widget = createWidget(row, m_surface);
        applyRow(widget, row);
        if (row.kind == ControlKind::Label || row.kind == ControlKind::Line)
            background.push_back(widget);
        else
            focusChain.emplace_back(row.tabIndex, widget);

        if (const Procedure* procedure = procedureFor(row.name)) {
            if (auto* button = qobject_cast<QPushButton*>(widget))
                connect(button, &QPushButton::clicked, this, [this, procedure] { run(*procedure); });
            else if (auto* label = qobject_cast<ClickableLabel*>(widget))
                connect(label, &ClickableLabel::clicked, this, [this, procedure] { run(*procedure); });
        }
    }
    for (QWidget* widget : background)
        widget->lower();

    std::ranges::sort(focusChain, {}, &std::pair<int, QWidget*>::first);
    for (std::size_t i = 1; i < focusChain.size(); ++i)
        setTabOrder(focusChain[i - 1].second, focusChain[i].second);
    return m_surface;
}

void MainWindow::buildMenu()
{
    QMenu* file = menuBar()->addMenu("File");
    file->setObjectName("file");

    QAction* clear = file->addAction("Clear");
    clear->setObjectName("clear");
    connect(clear, &QAction::triggered, this, [this] { run(*procedureFor("clear")); });

    QAction* about = file->addAction("About ");
    about->setObjectName("about");
    connect(about, &QAction::triggered, this, &MainWindow::about_Click);

    QAction* exit = file->addAction("Exit");
    exit->setObjectName("exit");
    connect(exit, &QAction::triggered, this, &MainWindow::exit_Click);
}

void MainWindow::run(const Procedure& procedure)
{
    m_failure->setText(QString::fromStdString(runClick(procedure, *m_form)));
}

QString MainWindow::failureMessage() const { return m_failure->text(); }

void MainWindow::about_Click()
{
    m_failure->clear();
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), toQString(aboutMessage),
                    QMessageBox::Ok, this);
    box.setObjectName("aboutBox");
    box.exec();
}

void MainWindow::exit_Click()
{
    close();
    QCoreApplication::quit();
}

} // namespace vorantis
