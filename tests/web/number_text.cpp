// SPDX-License-Identifier: GPL-3.0-or-later
// The program's text of many doubles, one a line, to compare the native and the WebAssembly
// builds: special values, 16-digit ties, random bit patterns and school-sized decimals.
// The native build writes them with the C library, the page with the browser's own digits.
#include "core/convert.h"

#include <cfloat>
#include <cstdio>
#include <cstring>
#include <random>

int main()
{
    auto print = [](double value) { std::puts(vorantis::DoubleToText(value).c_str()); };
    for (double value : {0.1, 1.0 / 3, 1e15, 1e-5, 999999999999999.5, DBL_MAX, DBL_MIN, DBL_TRUE_MIN, -0.0})
        print(value);
    std::mt19937_64 random(2024); // the standard fixes its sequence: the same on every platform
    for (int i = 0; i < 100000; ++i) {
        const auto bits = random();
        double pattern;
        std::memcpy(&pattern, &bits, sizeof pattern);
        print(pattern);
        print(static_cast<double>(1000000000000005 + bits % 800000000000000 * 10)); // a tie at digit 16
        print(static_cast<double>(100000000000000 + bits % 800000000000000) + 0.5); // and after the point
        print(-static_cast<double>(1000000000000 + bits % 8000000000000) -
              static_cast<double>(bits % 4 * 2 + 1) / 8);
        print(static_cast<double>(bits % 2000000) / 1000);
    }
}
