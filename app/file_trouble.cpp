// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/file_trouble.h"

#include "app/qt_text.h"
#include "language/language.h"

#include <cerrno>

namespace vorantis {

QString reasonOf(const FileTrouble& trouble)
{
    switch (trouble.error) {
    case EACCES:
    case EPERM:
        return toQString(tr("this account may not write there"));
    case EROFS:
        return toQString(tr("that disk can only be read"));
    case ENOSPC:
    case EDQUOT:
        return toQString(tr("the disk is full"));
    case ENOENT:
    case ENOTDIR:
        return toQString(tr("that folder is not there"));
    case EISDIR:
        return toQString(tr("that is the name of a folder"));
    case ENAMETOOLONG:
        return toQString(tr("the name is too long"));
    default:
        return toQString(tr("the system would not write it"));
    }
}

} // namespace vorantis
