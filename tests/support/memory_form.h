#pragma once

// A form held in memory, for running procedures without a window. It records every
// write in order, so a test can pin down both the result and the way to it.

#include "panels/form.h"

#include <map>
#include <string>
#include <vector>

namespace vorantis::testing {

struct Write {
    std::string control; // "Text22", "Label36"
    std::string value;   // the text or caption written; "shown" / "hidden" for visibility

    bool operator==(const Write&) const = default;
};

class MemoryForm : public Form {
public:
    MemoryForm()
    {
        m_captions[Label::Label12] = "Calculate";
        m_captions[Label::Label17] = "Check";
        m_captions[Label::Label41] = "-";
        m_visible[Label::Label41] = false;
    }

    std::string text(Field field) const override
    {
        const auto it = m_texts.find(field);
        return it == m_texts.end() ? std::string() : it->second;
    }
    void setText(Field field, std::string_view text) override
    {
        m_texts[field] = std::string(text);
        m_writes.push_back({std::string(controlName(field)), std::string(text)});
    }

    std::string caption(Label label) const override
    {
        const auto it = m_captions.find(label);
        return it == m_captions.end() ? std::string() : it->second;
    }
    void setCaption(Label label, std::string_view caption) override
    {
        m_captions[label] = std::string(caption);
        m_writes.push_back({std::string(controlName(label)), std::string(caption)});
    }

    void setVisible(Label label, bool visible) override
    {
        m_visible[label] = visible;
        m_writes.push_back({std::string(controlName(label)), visible ? "shown" : "hidden"});
    }
    bool isVisible(Label label) const
    {
        const auto it = m_visible.find(label);
        return it == m_visible.end() || it->second;
    }

    // Sets a field as the user would type it: not recorded as a write of the program.
    void type(Field field, std::string text) { m_texts[field] = std::move(text); }

    const std::vector<Write>& writes() const { return m_writes; }
    void forgetWrites() { m_writes.clear(); }

private:
    std::map<Field, std::string> m_texts;
    std::map<Label, std::string> m_captions;
    std::map<Label, bool> m_visible;
    std::vector<Write> m_writes;
};

} // namespace vorantis::testing
