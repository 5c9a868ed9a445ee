// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Just enough JSON for what the module hands the page's script: strings, numbers, booleans,
// arrays and objects, written as text.

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace vorantis::json {

std::string string(std::string_view text);
std::string number(double value);
inline std::string boolean(bool value) { return value ? "true" : "false"; }

using Member = std::pair<std::string_view, std::string>;
std::string object(std::initializer_list<Member> members);

// An object written member by member, each value straight into it: for a large object, far
// lighter in the module than object()'s list, whose values all live until it is written.
class Object {
public:
    void text(std::string_view name, std::string_view value);
    void number(std::string_view name, double value);
    void boolean(std::string_view name, bool value);
    void member(std::string_view name, std::string_view json); // a value written as JSON already
    std::string close() { return std::move(m_json) + '}'; }

private:
    void open(std::string_view name);
    std::string m_json = "{";
};

// The elements of a range, each written by `write`.
template <class Range, class Write> std::string array(const Range& range, Write write)
{
    std::string json = "[";
    for (const auto& element : range)
        json += (json.size() > 1 ? "," : "") + write(element);
    return json + "]";
}

inline std::string strings(const auto& range)
{
    return array(range, [](std::string_view text) { return string(text); });
}

} // namespace vorantis::json
