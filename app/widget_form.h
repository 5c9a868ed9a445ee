// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "panels/form.h"

#include <array>
#include <string_view>
#include <vector>

class QLabel;
class QLineEdit;
class QWidget;

namespace vorantis {

// The panels' view of the window: the fields and labels of the client area, found once by
// their control names.
class WidgetForm : public Form {
public:
    explicit WidgetForm(QWidget* surface);

    std::string text(Field field) const override;
    void setText(Field field, std::string_view text) override;
    std::string caption(Label label) const override;
    void setCaption(Label label, std::string_view caption) override;
    void setVisible(Label label, bool visible) override;

    // Marks the results a failed click did not reach, whose text an earlier click left: greyed,
    // and said so to a screen reader, without a change to the text. Every other mark goes;
    // typing into a marked field takes its mark off.
    void markLeftFromBefore(const std::vector<std::string_view>& controls);

private:
    QWidget* widgetNamed(std::string_view control) const;

    std::vector<QWidget*> m_marked;
    std::array<QLineEdit*, allFields.size()> m_fields{};
    std::array<QLabel*, allLabels.size()> m_labels{};
};

} // namespace vorantis
