#pragma once

// Plain computations the program's results are checked against: slow, obvious, and written
// without any of the program's own routines.

#include <cstdint>

namespace vorantis::testing {

inline bool isPrimeByTrial(std::int64_t n)
{
    if (n < 2)
        return false;
    for (std::int64_t d = 2; d * d <= n; ++d)
        if (n % d == 0)
            return false;
    return true;
}

} // namespace vorantis::testing
