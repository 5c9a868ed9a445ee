// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>
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

class Failure : public std::runtime_error {
public:
    Failure(FailureKind kind, std::string_view message) : std::runtime_error(std::string(message)), m_kind(kind) { }

    FailureKind kind() const noexcept { return m_kind; }

private:
    FailureKind m_kind;
};

} // namespace vorantis
