// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working kept for the user: the last 1,000 entries, oldest first, as plain text for the
// clipboard and a file, or as a small web page.

#include <cstddef>
#include <deque>
#include <string>

namespace vorantis {

class WorkingLog {
public:
    static constexpr std::size_t capacity = 1000;

    void add(std::string entry);
    void clear() { m_entries.clear(); }
    const std::deque<std::string>& entries() const { return m_entries; }

    // Entries separated by a blank line, each ending in a line break.
    std::string plainText() const;
    // One paragraph an entry, its lines kept, every character that means something in HTML
    // written as an entity.
    std::string html() const;

private:
    std::deque<std::string> m_entries;
};

} // namespace vorantis
