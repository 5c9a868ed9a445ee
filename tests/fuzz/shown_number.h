#pragma once

// Whether a text the program wrote as a number reads back as the number it shows.

#include <string>
#include <string_view>

namespace vorantis::fuzz {

// The empty text when `text` reads back with TextToDouble to a value whose own text is
// `text` again; otherwise what is wrong with it. "Infinity" and "-Infinity" pass, and so
// does the one 15-digit text beyond the largest double, which fails as out of range.
std::string shownNumberProblem(std::string_view text);

} // namespace vorantis::fuzz
