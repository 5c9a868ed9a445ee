// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A form held in memory, for running procedures without a window; its labels start as the
// window's do.

#include "layout/control_table.h"
#include "panels/form.h"

#include <map>
#include <string>

namespace vorantis::testing {

class MemoryForm : public Form {
public:
    std::string text(Field field) const override { return m_texts.count(field) ? m_texts.at(field) : ""; }
    void setText(Field field, std::string_view text) override { type(field, std::string(text)); }
    std::string caption(Label label) const override
    {
        return m_captions.count(label) ? m_captions.at(label) : std::string(row(label).caption);
    }
    void setCaption(Label label, std::string_view caption) override { m_captions[label] = caption; }
    void setVisible(Label label, bool visible) override { m_visible[label] = visible; }
    bool isVisible(Label label) const
    {
        return m_visible.count(label) ? m_visible.at(label) : !row(label).startsHidden;
    }

    // Sets a field as the user types it: no write of the program.
    void type(Field field, std::string text) { m_texts[field] = std::move(text); }

private:
    std::map<Field, std::string> m_texts;
    static const ControlRow& row(Label label) { return *controlRow(controlName(label)); }

    std::map<Label, std::string> m_captions;
    std::map<Label, bool> m_visible;
};

} // namespace vorantis::testing
