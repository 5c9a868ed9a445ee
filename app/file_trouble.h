// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace vorantis {

// Why a file could not be written: where, and the system's error number, kept so that the
// reason is said in the language in use, in the program's own words, whenever it is shown.
struct FileTrouble {
    QString path;
    int error; // errno; 0 where the system gave none
};

// The reason in a pupil's words, in the language in use: "the disk is full".
QString reasonOf(const FileTrouble& trouble);

} // namespace vorantis
