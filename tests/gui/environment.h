// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace vorantis::testing {

// Sets a variable, or unsets it for nothing.
inline void setVariable(const char* name, const std::optional<QByteArray>& value)
{
    value ? qputenv(name, *value) : qunsetenv(name);
}

// The named variables put back as they were, set or unset, however the test ends.
class SavedVariables {
public:
    explicit SavedVariables(std::span<const char* const> names)
    {
        for (const char* name : names)
            m_saved.emplace_back(
                name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
    }
    ~SavedVariables()
    {
        for (const auto& [name, value] : m_saved)
            setVariable(name, value);
    }
    SavedVariables(const SavedVariables&) = delete;
    SavedVariables& operator=(const SavedVariables&) = delete;

private:
    std::vector<std::pair<const char*, std::optional<QByteArray>>> m_saved;
};

} // namespace vorantis::testing
