// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the program remembers between runs: whether the working and the practice room are shown,
// and the zoom. A first start, or a settings file that cannot be read or makes no sense, gives
// the window as it always opened: no working, no practice, 100 %.

#include "app/file_trouble.h"
#include "layout/window.h"

#include <QString>

#include <optional>

namespace vorantis {

struct ViewSettings {
    bool working = false;
    bool practice = false;
    int zoom = smallestZoom; // percent, in the zoom's steps (layout/window.h)
    QString language; // the code of one chosen in the View menu; empty: the system's
};

// The settings file in the account's own configuration folder: $XDG_CONFIG_HOME/vorantis, else
// .config/vorantis in the home folder, taken from the account where HOME names none. Empty
// where the account has no home either: the settings are then not kept.
QString viewSettingsPath();

// What a first start has where there is no file, and nothing where the file cannot be read or
// makes no sense, which is then to be written anew.
std::optional<ViewSettings> readViewSettings();

// Writes the file anew with the program's own keys alone; gives why it cannot be written, or
// nothing when it was written or there is no place for it.
std::optional<FileTrouble> writeViewSettings(const ViewSettings& settings);

} // namespace vorantis
