// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "panels/form.h"

#include <array>
#include <string_view>
#include <utility>
#include <vector>

class QLabel;
class QLineEdit;
class QWidget;

namespace vorantis {

struct Language;

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

    // Marks what a failed click left on view that is not its answer: the results it did not reach,
    // whose text an earlier click left, and what it wrote before it stopped. Each is greyed and
    // said so to a screen reader, without a change to its text. Every other mark goes; typing
    // into a marked field takes its mark off.
    void markAfterFailure(const std::vector<Control>& stale, const std::vector<Control>& unfinished);

    // After a change of language: every number on view in the new language's decimal mark, so
    // that it reads back to the value it had in `before`, and the marks described in its words.
    void respell(const Language& before);

private:
    enum class Mark { stale, unfinished };
    QWidget* widgetOf(Control control) const;
    void describe(QWidget* widget, Mark mark);

    std::vector<std::pair<QWidget*, Mark>> m_marked;
    std::array<QLineEdit*, allFields.size()> m_fields{};
    std::array<QLabel*, allLabels.size()> m_labels{};
};

} // namespace vorantis
