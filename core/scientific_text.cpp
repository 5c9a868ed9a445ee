// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/scientific.h"

#include <cstdio>

namespace vorantis {

std::string scientificText(double value)
{
    char buffer[32]; // 15 digits, a sign, a point and an exponent of up to 3 digits
    const int length = std::snprintf(buffer, sizeof buffer, "%.14e", value);
    return std::string(buffer, static_cast<std::size_t>(length));
}

} // namespace vorantis
