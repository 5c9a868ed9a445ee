// SPDX-License-Identifier: GPL-3.0-or-later
#include "panels/dispatch.h"

#include "core/convert.h"
#include "language/language.h"

#include <algorithm>

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
        m_click.writes.push_back({field, std::string(text)});
    }
    std::string caption(Label label) const override { return m_form.caption(label); }
    void setCaption(Label label, std::string_view caption) override
    {
        m_form.setCaption(label, caption);
        m_click.writes.push_back({label, std::string(caption)});
    }
    void setVisible(Label label, bool visible) override
    {
        m_form.setVisible(label, visible);
        m_click.writes.push_back({label, visible ? Visibility::shown : Visibility::hidden});
    }

private:
    Form& m_form;
    Click& m_click;
};

} // namespace

// A result the double range could not hold shows "Infinity": the click says why, as a note.
std::optional<Message> noteOn(const Click& click)
{
    for (const Write& write : click.writes) {
        const auto* field = std::get_if<Field>(&write.control);
        if (!field || *field == Field::Text35 || !isInfinityText(click.after[*field]))
            continue;
        const Message::Words name{fieldName(*field)};
        // The largest double is 1.797… × 10 to the 308th, said in round figures; 1.8E+308 itself
        // is no double, so its digits and its power are written apart.
        const auto about = [](double mantissa) {
            return nested(Message::symbols("{mantissa}E+308", {{"mantissa", Message::Number{mantissa}}}));
        };
        if (click.after[*field].starts_with('-'))
            return Message(
                translatable("{field} is below the lowest number the calculator holds (about {lowest})"),
                {{"field", name}, {"lowest", about(-1.8)}});
        return Message(
            translatable("{field} is beyond the largest number the calculator holds (about {largest})"),
            {{"field", name}, {"largest", about(1.8)}});
    }
    return std::nullopt;
}

Click runClick(const Procedure& procedure, Form& form)
{
    Click click{&procedure, stateOf(form), {}, {}, {}, {}, {}};
    RecordingForm recording(form, click);
    try {
        procedure.run(recording);
    } catch (const Failure& failure) {
        click.failure = failure.message();
        click.kind = failure.kind();
    }
    // Any other exception is a fault of the program, not of what was typed: it is not caught
    // here, so that it shows in the tests and the fuzzers rather than as a message.
    click.after = stateOf(form);
    if (!click.failed())
        click.note = noteOn(click);
    return click;
}

StatusNote statusOf(const Click& click)
{
    return {click.procedure->panel, click.failed() ? click.failure : click.note};
}

std::string StatusNote::said() const
{
    if (!message)
        return {};
    return fill(tr("{panel}: {message}"), {{"panel", tr(panel)}, {"message", message->said()}});
}

std::vector<Control> staleResults(const Click& click)
{
    std::vector<Control> stale;
    if (!click.failed())
        return stale;
    for (const Control result : click.procedure->results)
        if (std::none_of(click.writes.begin(), click.writes.end(),
                         [result](const Write& write) { return write.control == result; }))
            stale.push_back(result);
    return stale;
}

std::vector<Control> unfinishedWrites(const Click& click)
{
    std::vector<Control> unfinished;
    if (!click.failed())
        return unfinished;
    const auto isResult = [&click](Control control) {
        return std::find(click.procedure->results.begin(), click.procedure->results.end(), control) !=
            click.procedure->results.end();
    };
    for (const Write& write : click.writes)
        if (std::holds_alternative<std::string>(write.value) &&
            (std::holds_alternative<Field>(write.control) || isResult(write.control)) &&
            std::find(unfinished.begin(), unfinished.end(), write.control) == unfinished.end())
            unfinished.push_back(write.control);
    return unfinished;
}

} // namespace vorantis
