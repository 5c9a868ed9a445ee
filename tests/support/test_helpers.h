#pragma once

// Shorthands the unit tests share, so that a case fits on one row of a table: what a call
// gives or fails with, fields typed from one line, and the outcome of a click as one line.

#include "core/failure.h"
#include "tests/support/memory_form.h"

#include <gtest/gtest.h>

#include <charconv>
#include <optional>
#include <sstream>
#include <string>

namespace vorantis::testing {

// The kind a call fails with, or nothing when it does not fail.
template <class Call> std::optional<FailureKind> failureOf(Call call)
{
    try {
        call();
    } catch (const Failure& failure) {
        return failure.kind();
    }
    return std::nullopt;
}

inline const char* kindName(FailureKind kind)
{
    switch (kind) {
    case FailureKind::NotANumber:
        return "NotANumber";
    case FailureKind::OutOfRange:
        return "OutOfRange";
    case FailureKind::DivisionByZero:
        return "DivisionByZero";
    case FailureKind::InvalidOperation:
        return "InvalidOperation";
    }
    return "?";
}

// What a call gives, as text in the shortest form that reads back exactly ("-3.4",
// "0.30000000000000004", "inf"), or "!" and the kind of its failure ("!OutOfRange").
template <class Call> std::string resultOf(Call call)
{
    try {
        const auto value = call();
        char buffer[64];
        return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
    } catch (const Failure& failure) {
        return std::string("!") + kindName(failure.kind());
    }
}

// The message a call fails with, or "no failure".
template <class Call> std::string messageOf(Call call)
{
    try {
        call();
    } catch (const Failure& failure) {
        return failure.what();
    }
    return "no failure";
}

// Types fields given as "n=6 d=8": a control name, "=", a text without blanks ("d=" types
// the empty text).
inline void typeInto(MemoryForm& form, const std::string& fields)
{
    std::istringstream in(fields);
    for (std::string item; in >> item;) {
        const auto equals = item.find('=');
        bool known = false;
        for (const Field field : allFields)
            if (controlName(field) == item.substr(0, equals)) {
                form.type(field, item.substr(equals + 1));
                known = true;
            }
        if (!known)
            ADD_FAILURE() << "no field named in " << item;
    }
}

inline MemoryForm typedForm(const std::string& fields)
{
    MemoryForm form;
    typeInto(form, fields);
    return form;
}

// The writes in order, as "d=100 n=25".
inline std::string writesOf(const MemoryForm& form)
{
    std::string joined;
    for (const auto& write : form.writes())
        joined += (joined.empty() ? "" : " ") + write.control + "=" + write.value;
    return joined;
}

// Clicks and gives the writes since the last forgetWrites, as writesOf gives them; a click
// that fails adds "!" and the kind of its failure, as in "d=100 n=0.4 !DivisionByZero".
inline std::string outcome(MemoryForm& form, void (*click)(Form&))
{
    std::string failed;
    try {
        click(form);
    } catch (const Failure& failure) {
        failed = std::string("!") + kindName(failure.kind());
    }
    const std::string writes = writesOf(form);
    return writes.empty() || failed.empty() ? writes + failed : writes + " " + failed;
}

inline std::string outcome(void (*click)(Form&), const std::string& typed)
{
    MemoryForm form = typedForm(typed);
    return outcome(form, click);
}

// A form that also logs every read of a field or caption, as "Text14 Text13".
class ReadLogForm : public MemoryForm {
public:
    std::string text(Field field) const override
    {
        log(controlName(field));
        return MemoryForm::text(field);
    }
    std::string caption(Label label) const override
    {
        log(controlName(label));
        return MemoryForm::caption(label);
    }
    const std::string& reads() const { return m_reads; }

private:
    void log(std::string_view control) const
    {
        m_reads += (m_reads.empty() ? "" : " ") + std::string(control);
    }
    mutable std::string m_reads;
};

} // namespace vorantis::testing
