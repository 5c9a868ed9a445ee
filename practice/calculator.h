// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The calculator's own click for an exercise: its fields typed into a form of the practice
// room's own, held in memory, and its procedure run there as a front end runs it, so that the
// working a pupil is shown is the calculator's working, word for word.

#include "panels/dispatch.h"
#include "practice/exercise.h"
#include "working/entry.h"

#include <array>

namespace vorantis::practice {

class PracticeForm : public Form {
public:
    std::string text(Field field) const override { return m_texts[static_cast<std::size_t>(field)]; }
    void setText(Field field, std::string_view text) override
    {
        m_texts[static_cast<std::size_t>(field)] = text;
    }
    std::string caption(Label label) const override { return m_captions[static_cast<std::size_t>(label)]; }
    void setCaption(Label label, std::string_view caption) override
    {
        m_captions[static_cast<std::size_t>(label)] = caption;
    }
    // What shows is the click's to record; nothing here draws it.
    void setVisible(Label, bool) override { }

private:
    std::array<std::string, allFields.size()> m_texts;
    std::array<std::string, allLabels.size()> m_captions;
};

// The exercise's fields typed in the language in use, and its procedure clicked.
Click clickOf(const Exercise& exercise);
// The working of that click, in the language in use.
working::Entry workingOf(const Exercise& exercise);

} // namespace vorantis::practice
