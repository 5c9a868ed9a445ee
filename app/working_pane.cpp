// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/working_pane.h"

#include "app/qt_text.h"
#include "app/working_view.h"
#include "language/language.h"
#include "layout/window.h"
#include "working/log.h"

#include <QBoxLayout>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>

#include <array>
#include <cerrno>
#include <functional>

namespace vorantis {

WorkingPane::WorkingPane(WorkingLog& log, QWidget* parent) : QWidget(parent), m_log(log)
{
    setObjectName("workingPane");
    auto* commands = new QHBoxLayout;
    // In the table's order, which is their Tab order: Copy All, Save As…, Clear.
    const std::array<std::function<void()>, 3> actions{
        [this] { QGuiApplication::clipboard()->setText(QString::fromStdString(m_log.plainText())); },
        [this] { saveAs(); }, [this] { clearAll(); }};
    for (std::size_t i = 0; i < actions.size(); ++i) {
        const PaneControl& command = workingPaneCommands()[i];
        auto* button = new QPushButton(toQString(vorantis::tr(command.caption)), this);
        button->setObjectName(toQString(command.name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, actions[i]);
        commands->addWidget(button);
    }
    commands->addStretch();

    m_view = new WorkingView(this);
    m_view->setObjectName(toQString(workingView.name));
    m_view->setAccessibleName(toQString(vorantis::tr(workingView.caption)));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->addLayout(commands);
    layout->addWidget(m_view);
    setZoom(100);
}

void WorkingPane::showNewest()
{
    m_view->append(m_log.entries().back());
    m_view->verticalScrollBar()->setValue(m_view->verticalScrollBar()->maximum());
}

void WorkingPane::setZoom(int percent)
{
    QFont font(toQString(fontFamily));
    font.setPointSizeF(workingPanePoints * percent / 100);
    setFont(font);
    m_view->document()->setDefaultFont(font);
    m_view->setFixedHeight(QFontMetrics(font).lineSpacing() * workingPaneLines + 2 * m_view->frameWidth() +
                           8);
    // The drawn fractions are measured in the font: the entries are laid out anew in it.
    m_view->showAll(m_log.entries());
}

void WorkingPane::saveAs()
{
    const QString path =
        QFileDialog::getSaveFileName(this, toQString(vorantis::tr("Save the Working")),
                                     QDir::home().filePath(toQString(vorantis::tr("working")) + ".txt"),
                                     toQString(vorantis::tr("Plain text")) + " (*.txt);;" +
                                         toQString(vorantis::tr("Web page")) + " (*.html *.htm)");
    if (path.isEmpty())
        return;
    // Written whole or not at all: the file on disk is either the old one or the new one.
    const bool page =
        path.endsWith(".html", Qt::CaseInsensitive) || path.endsWith(".htm", Qt::CaseInsensitive);
    const std::string content = page ? m_log.html() : m_log.plainText();
    QSaveFile file(path);
    errno = 0;
    const bool written = file.open(QIODevice::WriteOnly) &&
        file.write(content.data(), qint64(content.size())) == qint64(content.size()) && file.commit();
    emit saved(written ? std::nullopt : std::optional(FileTrouble{path, errno}));
}

void WorkingPane::retranslate()
{
    for (const PaneControl& command : workingPaneCommands())
        findChild<QPushButton*>(toQString(command.name))->setText(toQString(vorantis::tr(command.caption)));
    m_view->setAccessibleName(toQString(vorantis::tr(workingView.caption)));
    m_view->showAll(m_log.entries()); // said again in the language now in use
}

void WorkingPane::clearAll()
{
    m_log.clear();
    m_view->clear();
}

} // namespace vorantis
