// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/dispatch.h"

#include "language/language.h"

#include <algorithm>
#include <exception>

namespace vorantis {
namespace {

FormState stateOf(const Form& form)
{
    FormState state;
    for (const Field field : allFields)
        state.texts[static_cast<std::size_t>(field)] = form.text(field);
    for (const Label label : allLabels)
        state.captions[static_cast<std::size_t>(label)] = form.caption(label);
    return state;
}

// The form as the procedure sees it, passing everything through and noting each write.
class RecordingForm : public Form {
public:
    RecordingForm(Form& form, Click& click) : m_form(form), m_click(click) { }

    std::string text(Field field) const override { return m_form.text(field); }
    void setText(Field field, std::string_view text) override
    {
        m_form.setText(field, text);
        m_click.writes.push_back({controlName(field), std::string(text)});
    }
    std::string caption(Label label) const override { return m_form.caption(label); }
    void setCaption(Label label, std::string_view caption) override
    {
        m_form.setCaption(label, caption);
        m_click.writes.push_back({controlName(label), std::string(caption)});
    }
    void setVisible(Label label, bool visible) override
    {
        m_form.setVisible(label, visible);
        m_click.writes.push_back({controlName(label), visible ? Visibility::shown : Visibility::hidden});
    }

private:
    Form& m_form;
    Click& m_click;
};

} // namespace

Click runClick(const Procedure& procedure, Form& form)
{
    Click click{&procedure, stateOf(form), {}, {}, {}, {}};
    RecordingForm recording(form, click);
    const std::string_view panel = tr(procedure.panel);
    try {
        procedure.run(recording);
    } catch (const Failure& failure) {
        click.failure = fill(tr("{panel}: {message}"), {{"panel", panel}, {"message", failure.what()}});
        click.kind = failure.kind();
    } catch (const std::exception& unexpected) {
        // Not a failure of the arithmetic but of the program; the user's fields still stand.
        click.failure = fill(tr("{panel}: something went wrong ({what})"),
                             {{"panel", panel}, {"what", unexpected.what()}});
    }
    click.after = stateOf(form);
    return click;
}

std::vector<std::string_view> staleResults(const Click& click)
{
    std::vector<std::string_view> stale;
    if (click.failure.empty())
        return stale;
    for (const std::string_view result : click.procedure->results)
        if (std::none_of(click.writes.begin(), click.writes.end(),
                         [result](const Write& write) { return write.control == result; }))
            stale.push_back(result);
    return stale;
}

} // namespace vorantis
