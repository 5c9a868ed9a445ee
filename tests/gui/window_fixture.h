#pragma once

#include "app/main_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace vorantis::testing {

// A freshly built window, shown and active, with helpers to type and click as a user does.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    template <class Widget = QWidget> Widget* control(const char* name)
    {
        auto* widget = window.centralWidget()->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void type(const char* field, const QString& text)
    {
        auto* edit = control<QLineEdit>(field);
        edit->clear();
        QTest::keyClicks(edit, text);
    }

    QString text(const char* field) { return control<QLineEdit>(field)->text(); }
    QString caption(const char* label) { return control<QLabel>(label)->text(); }

    void click(const char* name)
    {
        QWidget* widget = control(name);
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }

    MainWindow window;
};

} // namespace vorantis::testing
