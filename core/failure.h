// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/message.h"

#include <stdexcept>
#include <string_view>

namespace vorantis {

// Why a step of a procedure could not be carried out. Every failure of a procedure is one of
// these, thrown at the failing step and caught once where the click was dispatched.
enum class FailureKind {
    NotANumber, // a text that does not read as a number
    OutOfRange, // a value beyond the range of its type
    DivisionByZero, // a nonzero number divided by zero
    InvalidOperation, // 0 / 0, the root of a negative number, a power with no value
};

// The kind's own name, "DivisionByZero", as a log or a test writes it.
constexpr std::string_view kindName(FailureKind kind)
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
    return {};
}

// what() is the message as said when it was thrown; message() says it again in the language in
// use whenever it is shown.
class Failure : public std::runtime_error {
public:
    Failure(FailureKind kind, Message message)
        : std::runtime_error(message.said()), m_kind(kind), m_message(std::move(message))
    {
    }

    FailureKind kind() const noexcept { return m_kind; }
    const Message& message() const noexcept { return m_message; }

private:
    FailureKind m_kind;
    Message m_message;
};

} // namespace vorantis
