// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What File > About says, the same in every front end.

#include "language/language.h"

#include <string_view>

namespace vorantis {

inline constexpr std::string_view aboutMessage =
    translatable("This has been a program made by Dravelin! Thankyou for downloading! Please send any "
                 "comments or suggestions to dravelin@example.org!");

} // namespace vorantis
