// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How a message shows a text the user typed: in the quotation marks of the language in use, on
// one line, short. A text longer than
// 24 characters keeps its start and its end around "…"; a line break (Unicode's separators
// too) shows as ¶, a tab as →, any other control character (a NUL among them) and every
// invisible format character (a zero-width space, a soft hyphen, a byte order mark, and those
// that turn the text's direction) as ◌, so nothing in it can break the message over lines, cut
// it short, reverse it or hide what was really typed.

#include <string>
#include <string_view>

namespace vorantis {

std::string quoted(std::string_view text);

} // namespace vorantis
