#pragma once

// A form held in memory, for running procedures without a window. It records every write in
// order, as "Text22=5", so a test pins down both the result and the way to it.

#include "panels/form.h"

#include <map>
#include <string>
#include <vector>

namespace vorantis::testing {

class MemoryForm : public Form {
public:
    std::string text(Field field) const override { return m_texts.count(field) ? m_texts.at(field) : ""; }
    void setText(Field field, std::string_view text) override
    {
        type(field, std::string(text));
        record(controlName(field), text);
    }
    std::string caption(Label label) const override { return m_captions.at(label); }
    void setCaption(Label label, std::string_view caption) override
    {
        m_captions[label] = caption;
        record(controlName(label), caption);
    }
    void setVisible(Label label, bool visible) override
    {
        m_visible[label] = visible;
        record(controlName(label), visible ? "shown" : "hidden");
    }
    bool isVisible(Label label) const { return m_visible.at(label); }

    // Sets a field as the user types it: no write of the program.
    void type(Field field, std::string text) { m_texts[field] = std::move(text); }

    const std::vector<std::string>& writes() const { return m_writes; }
    void forgetWrites() { m_writes.clear(); }

private:
    void record(std::string_view control, std::string_view value)
    {
        m_writes.push_back(std::string(control) + "=" + std::string(value));
    }

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
    std::vector<std::string> m_writes;
};

} // namespace vorantis::testing
