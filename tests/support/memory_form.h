// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A form held in memory, for running procedures without a window.

#include "panels/form.h"

#include <map>
#include <string>

namespace vorantis::testing {

class MemoryForm : public Form {
public:
    std::string text(Field field) const override { return m_texts.count(field) ? m_texts.at(field) : ""; }
    void setText(Field field, std::string_view text) override { type(field, std::string(text)); }
    std::string caption(Label label) const override { return m_captions.at(label); }
    void setCaption(Label label, std::string_view caption) override { m_captions[label] = caption; }
    void setVisible(Label label, bool visible) override { m_visible[label] = visible; }
    bool isVisible(Label label) const { return m_visible.at(label); }

    // Sets a field as the user types it: no write of the program.
    void type(Field field, std::string text) { m_texts[field] = std::move(text); }

private:
    std::map<Field, std::string> m_texts;
    std::map<Label, std::string> m_captions{{Label::Label12, "Calculate"},
                                            {Label::Label17, "Check"},
                                            {Label::Label20, ""},
                                            {Label::Label36, ""},
                                            {Label::Label41, "-"}};
    std::map<Label, bool> m_visible{{Label::Label12, true},
                                    {Label::Label17, true},
                                    {Label::Label20, true},
                                    {Label::Label36, true},
                                    {Label::Label41, false}};
};

} // namespace vorantis::testing
