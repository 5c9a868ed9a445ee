// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/widget_form.h"

#include "app/one_line_label.h"
#include "app/qt_text.h"
#include "core/convert.h"
#include "language/language.h"
#include "layout/texts.h"
#include "working/speech.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QStyle>

namespace vorantis {
namespace {

template <class Widget> Widget* findControl(QWidget* surface, std::string_view name)
{
    auto* widget = surface->findChild<Widget*>(toQString(name), Qt::FindDirectChildrenOnly);
    Q_ASSERT_X(widget, "WidgetForm", "every field and label the panels use is in the control table");
    return widget;
}

const QColor notThisAnswer(0x6d, 0x6d, 0x6d); // 5.1:1 on white: readable, yet plainly set apart

// A result's number as it is said ("0 point 1 2 5"), for a screen reader that would read it
// digit by digit or as a word; a label's caption says itself.
QString spokenValueOf(QWidget* widget)
{
    const auto* edit = qobject_cast<QLineEdit*>(widget);
    return edit ? toQString(working::spokenValue(edit->text().toStdString())) : QString();
}

// A field takes the surface's face at its zoom, and the slant alone is set on it; a label that
// acts as a button has a face of its own, which keeps its size and underline.
void slant(QWidget* widget, bool slanted)
{
    QFont font = qobject_cast<QLineEdit*>(widget) ? QFont() : widget->font();
    if (slanted || !qobject_cast<QLineEdit*>(widget))
        font.setItalic(slanted);
    widget->setFont(font);
}

void unmark(QWidget* widget)
{
    widget->setPalette(QPalette()); // the window's own again
    slant(widget, false);
    widget->setAccessibleDescription(spokenValueOf(widget));
}

} // namespace

WidgetForm::WidgetForm(QWidget* surface)
{
    for (const Field field : allFields) {
        QLineEdit* edit = findControl<QLineEdit>(surface, controlName(field));
        QObject::connect(edit, &QLineEdit::textEdited, edit, [this, edit] {
            edit->setToolTip({});
            unmark(edit);
            edit->setAccessibleDescription({}); // what the user types is read as they typed it
            std::erase_if(m_marked, [edit](const auto& marked) { return marked.first == edit; });
        });
        m_fields[static_cast<std::size_t>(field)] = edit;
    }
    for (const Label label : allLabels)
        m_labels[static_cast<std::size_t>(label)] = findControl<QLabel>(surface, controlName(label));
}

std::string WidgetForm::text(Field field) const
{
    return m_fields[static_cast<std::size_t>(field)]->text().toStdString();
}

void WidgetForm::setText(Field field, std::string_view text)
{
    QLineEdit* edit = m_fields[static_cast<std::size_t>(field)];
    edit->setText(toQString(text));
    // A result is read from its first character; a value wider than the field shows whole in
    // its tooltip, until the user types there.
    edit->setCursorPosition(0);
    const int room =
        edit->contentsRect().width() - 2 * edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) - 4;
    edit->setToolTip(edit->fontMetrics().horizontalAdvance(edit->text()) > room ? edit->text() : QString());
    edit->setAccessibleDescription(spokenValueOf(edit));
}

std::string WidgetForm::caption(Label label) const
{
    return m_labels[static_cast<std::size_t>(label)]->text().toStdString();
}

void WidgetForm::setCaption(Label label, std::string_view caption)
{
    QLabel* shown = m_labels[static_cast<std::size_t>(label)];
    if (auto* oneLine = qobject_cast<OneLineLabel*>(shown))
        oneLine->setCaption(toQString(caption));
    else
        shown->setText(toQString(caption));
}

void WidgetForm::setVisible(Label label, bool visible)
{
    m_labels[static_cast<std::size_t>(label)]->setVisible(visible);
}

QWidget* WidgetForm::widgetOf(Control control) const
{
    if (const auto* field = std::get_if<Field>(&control))
        return m_fields[static_cast<std::size_t>(*field)];
    return m_labels[static_cast<std::size_t>(std::get<Label>(control))];
}

void WidgetForm::markAfterFailure(const std::vector<Control>& stale, const std::vector<Control>& unfinished)
{
    for (const auto& [widget, mark] : m_marked)
        unmark(widget);
    m_marked.clear();
    for (const auto& [controls, mark] :
         {std::pair(stale, Mark::stale), std::pair(unfinished, Mark::unfinished)})
        for (const Control control : controls) {
            QWidget* widget = widgetOf(control);
            QPalette greyed = widget->palette();
            for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::Link})
                greyed.setColor(role, notThisAnswer);
            widget->setPalette(greyed);
            slant(widget, true); // set apart by more than its colour, as the page shows it
            describe(widget, mark);
            m_marked.emplace_back(widget, mark);
        }
}

void WidgetForm::describe(QWidget* widget, Mark mark)
{
    const QString note = toQString(tr(mark == Mark::stale ? staleNote : unfinishedNote));
    const QString value = spokenValueOf(widget);
    widget->setAccessibleDescription(value.isEmpty() ? note : value + QStringLiteral("; ") + note);
}

void WidgetForm::respell(const Language& before)
{
    for (QLineEdit* edit : m_fields) {
        if (const QString again = toQString(respelled(edit->text().toStdString(), before));
            again != edit->text())
            edit->setText(again);
        if (!edit->accessibleDescription().isEmpty()) // a result's value, said in the new language
            edit->setAccessibleDescription(spokenValueOf(edit));
    }
    for (QLabel* label : m_labels)
        if (const QString again = toQString(respelled(label->text().toStdString(), before));
            again != label->text()) {
            if (auto* oneLine = qobject_cast<OneLineLabel*>(label))
                oneLine->setCaption(again);
            else
                label->setText(again);
        }
    for (const auto& [widget, mark] : m_marked)
        describe(widget, mark);
}

} // namespace vorantis
