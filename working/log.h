// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working kept for the user: the last 1,000 entries, oldest first, as plain text for the
// clipboard and a file, or as a web page with its mathematics in MathML. Each is written in the
// language in use when it is asked for.

#include "working/entry.h"

#include <cstddef>
#include <deque>
#include <string>

namespace vorantis {

class WorkingLog {
public:
    static constexpr std::size_t capacity = 1000;

    void add(working::Entry entry);
    void clear() { m_entries.clear(); }
    const std::deque<working::Entry>& entries() const { return m_entries; }

    // Entries separated by a blank line, each ending in a line break.
    std::string plainText() const;
    // A page of its own, an entry a list item, in the language in use.
    std::string html() const;

private:
    std::deque<working::Entry> m_entries;
};

} // namespace vorantis
