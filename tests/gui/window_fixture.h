// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/language_choice.h"
#include "app/main_window.h"
#include "app/view_settings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace vorantis {

// The view settings of an earlier test are gone before the window reads them, and the window
// starts in the system's language, whichever an earlier test left it speaking.
struct FirstStart {
    FirstStart()
    {
        QFile::remove(viewSettingsPath());
        speak(systemLanguage());
    }
};

// A window, first started, as a person uses it: every click goes to the window at the point a
// person aims at (the middle of a button, of a label's caption), so whatever is really there
// receives it, and every key goes through the window to the focused control.
class Window : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    template <class Widget = QWidget> Widget* control(const QString& name)
    {
        return window.findChild<Widget*>(name);
    }

    QPoint aimAt(QWidget* widget)
    {
        const auto* label = qobject_cast<QLabel*>(widget);
        const QRect caption = label
            ? label->fontMetrics().boundingRect(label->contentsRect(),
                                                int(label->alignment()) | Qt::TextWordWrap, label->text())
            : widget->rect();
        return widget->mapTo(&window, caption.center());
    }

    void click(const QString& name)
    {
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, aimAt(control(name)));
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(window.windowHandle(), key, modifiers);
    }

    // Clicks into the field, selects what it holds and types over it.
    void type(const QString& field, const QString& text)
    {
        click(field);
        key(Qt::Key_A, Qt::ControlModifier);
        key(Qt::Key_Delete);
        for (const QChar c : text)
            QTest::keyClick(window.windowHandle(), c.toLatin1());
    }

    QString text(const QString& field) { return control<QLineEdit>(field)->text(); }
    QString caption(const QString& label) { return control<QLabel>(label)->text(); }
    QString focused() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : ""; }

    // Opens a menu by a click on its title and clicks the command, both at their middles.
    void choose(const QString& menuName, const QString& command)
    {
        QMenu* menu = window.findChild<QMenu*>(menuName);
        const QRect title = window.menuBar()->actionGeometry(menu->menuAction());
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                          window.menuBar()->mapTo(&window, title.center()));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {},
                          menu->actionGeometry(window.findChild<QAction*>(command)).center());
    }

    // Chooses a language in View > Language: a click on the submenu, then on the language.
    void speak(const QString& code)
    {
        choose("view", "language");
        QMenu* languages = window.findChild<QMenu*>("language");
        ASSERT_TRUE(QTest::qWaitForWindowExposed(languages));
        QTest::mouseClick(languages->windowHandle(), Qt::LeftButton, {},
                          languages->actionGeometry(languages->findChild<QAction*>(code)).center());
    }

    // Answers the modal dialog a click opens from a timer, which gives up after five seconds so
    // that the click comes back; gives whether the dialog came.
    template <class Dialog>
    bool answerModal(const std::function<void()>& click, const std::function<void(Dialog*)>& answer)
    {
        bool answered = false;
        QTimer poll;
        QElapsedTimer waited;
        waited.start();
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget()); dialog && !answered)
                answered = true, answer(dialog);
            if (answered || waited.elapsed() > 5000)
                poll.stop();
        });
        poll.start(10);
        click();
        return QTest::qWaitFor([&] { return !poll.isActive(); }, 6000) && answered;
    }

    FirstStart firstStart;
    MainWindow window;
};

} // namespace vorantis
