// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "panels/form.h"

#include <array>

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

private:
    std::array<QLineEdit*, allFields.size()> m_fields{};
    std::array<QLabel*, allLabels.size()> m_labels{};
};

} // namespace vorantis
