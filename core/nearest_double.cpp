// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/nearest_double.h"

#include <cstdlib>
#include <locale.h>

namespace vorantis {

double nearestDouble(const std::string& text)
{
    // strtod follows the process locale, which a desktop application sets from the user's
    // settings; numbers here are always read the same way, so parse in the C locale.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(text.c_str(), nullptr, cLocale);
}

} // namespace vorantis
