#include "app/widget_form.h"

#include <QLabel>
#include <QLineEdit>

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
    for (const Field field : allFields)
        m_fields[static_cast<std::size_t>(field)] = findControl<QLineEdit>(surface, controlName(field));
    for (const Label label : allLabels)
        m_labels[static_cast<std::size_t>(label)] = findControl<QLabel>(surface, controlName(label));
}

std::string WidgetForm::text(Field field) const
{
    return m_fields[static_cast<std::size_t>(field)]->text().toStdString();
}

void WidgetForm::setText(Field field, std::string_view text)
{
    m_fields[static_cast<std::size_t>(field)]->setText(toQString(text));
}

std::string WidgetForm::caption(Label label) const
{
    return m_labels[static_cast<std::size_t>(label)]->text().toStdString();
}

void WidgetForm::setCaption(Label label, std::string_view caption)
{
    m_labels[static_cast<std::size_t>(label)]->setText(toQString(caption));
}

void WidgetForm::setVisible(Label label, bool visible)
{
    m_labels[static_cast<std::size_t>(label)]->setVisible(visible);
}

} // namespace vorantis
