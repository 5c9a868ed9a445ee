// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/widget_form.h"

#include "app/one_line_label.h"

#include <QLabel>
#include <QLineEdit>
#include <QStyle>

namespace vorantis {
namespace {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

template <class Widget> Widget* findControl(QWidget* surface, std::string_view name)
{
    auto* widget = surface->findChild<Widget*>(toQString(name), Qt::FindDirectChildrenOnly);
    Q_ASSERT_X(widget, "WidgetForm", "every field and label the panels use is in the control table");
    return widget;
}

} // namespace

WidgetForm::WidgetForm(QWidget* surface)
{
    for (const Field field : allFields) {
        QLineEdit* edit = findControl<QLineEdit>(surface, controlName(field));
        QObject::connect(edit, &QLineEdit::textEdited, edit, [edit] { edit->setToolTip({}); });
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

} // namespace vorantis
