// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The form over the page's elements: each field is the <input> and each label the element
// whose id is the control's name. The page's script supplies the reads and writes as the
// module's "form" object, so that how a written value shows stays with the page.

#include "panels/form.h"

namespace vorantis {

class PageForm final : public Form {
public:
    std::string text(Field field) const override;
    void setText(Field field, std::string_view text) override;

    std::string caption(Label label) const override;
    void setCaption(Label label, std::string_view caption) override;

    void setVisible(Label label, bool visible) override;
};

} // namespace vorantis
