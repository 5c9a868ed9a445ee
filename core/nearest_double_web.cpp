// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nearest_double.h"

#include <emscripten/emscripten.h>

namespace vorantis {
namespace {

EM_JS(double, browserNumber, (const char* text), { return Number(UTF8ToString(text)); });

} // namespace

double nearestDouble(const std::string& text) { return browserNumber(text.c_str()); }

} // namespace vorantis
