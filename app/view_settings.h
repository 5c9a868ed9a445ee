// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the program remembers between runs: whether the working is shown and the zoom. A
// first start, or a settings file that cannot be read or makes no sense, gives the window as
// it always opened: no working, 100 %.

namespace vorantis {

struct ViewSettings {
    bool working = false;
    int zoom = 100; // percent: 100 to 200 in steps of 25

    static constexpr int smallestZoom = 100;
    static constexpr int largestZoom = 200;
    static constexpr int zoomStep = 25;
};

// A file that cannot be read or makes no sense is written anew with what a first start has.
ViewSettings readViewSettings();

// Writes the settings anew, over a file that could not be read.
void writeViewSettings(const ViewSettings& settings);

} // namespace vorantis
