// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/scientific.h"

#include <emscripten/emscripten.h>

#include <cstdlib>
#include <memory>

namespace vorantis {
namespace {

EM_JS(char*, browserScientific, (double value), {
    const text = value.toExponential(14);
    const copy = _malloc(text.length + 1);
    stringToUTF8(text, copy, text.length + 1);
    return copy;
});

} // namespace

std::string scientificText(double value)
{
    const std::unique_ptr<char, decltype(&std::free)> text(browserScientific(value), &std::free);
    return evenOnTie(value, text.get());
}

} // namespace vorantis
