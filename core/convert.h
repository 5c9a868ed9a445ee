// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Conversions between the text of a field and numbers. The number grammar and the text
// form are fixed here, independent of the process locale; only the language in use
// (language/language.h) chooses the decimal mark:
//   text -> number: optional blanks, an optional sign, digits with at most one decimal
//   mark (at least one digit), an optional exponent (e or E, optional sign, digits),
//   optional blanks. The mark is a point; in a language that writes a decimal comma, a comma
//   or a point, never both, and never a point after one to three digits that is followed by
//   exactly three ("1.000"), which a pupil there writes to group thousands. Nothing else reads
//   as a number.
//   number -> text: rounded to 15 significant digits, trailing zeros dropped; plain
//   notation for decimal exponents from -4 to 14, otherwise 1.5E+20 / 1E-05, with the
//   language's decimal mark; "0" for either zero, "Infinity" and "-Infinity" (in the
//   language's word) for the infinite values.

#include <cstdint>
#include <string>
#include <string_view>

namespace vorantis {

struct Language;

// Throws Failure: NotANumber for a text outside the grammar, OutOfRange for a value beyond the
// double range (the program's own "Infinity" included). A value too small for a double becomes
// 0. `name` says in words what the text is ("the divisor"), for the failure's message.
double TextToDouble(std::string_view text, std::string_view name = {});

// The value rounded to the nearest whole number, ties to even; OutOfRange outside
// -2147483648 to 2147483647.
std::int32_t TextToLong(std::string_view text, std::string_view name = {});
std::int32_t RoundToLong(double value);

std::string DoubleToText(double value);
std::string LongToText(std::int32_t value);
std::string IntegerToText(std::int16_t value);
std::string BooleanToText(bool value);

// A field's text as the language in use writes a number, for a text that reads as a number in
// the language it was written or typed in: its decimal mark, and the word for an infinite value,
// become the language's own, so that it reads back to the same value after a change of
// language ("0,125" in German is "0.125" in English). Any other text comes back as it is.
std::string respelled(std::string_view text, const Language& writtenIn);

// Whether the text is one DoubleToText writes for an infinite value.
bool isInfinityText(std::string_view text);

} // namespace vorantis
