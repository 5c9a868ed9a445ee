// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/json.h"

#include <cstdio>

namespace vorantis::json {

std::string string(std::string_view text)
{
    std::string json = "\"";
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            json += escape;
            continue;
        }
        if (c == '"' || c == '\\')
            json += '\\';
        json += c;
    }
    return json + '"';
}

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

void Object::open(std::string_view name)
{
    if (m_json.size() > 1)
        m_json += ',';
    m_json += string(name);
    m_json += ':';
}

void Object::text(std::string_view name, std::string_view value) { member(name, string(value)); }

void Object::number(std::string_view name, double value) { member(name, json::number(value)); }

void Object::boolean(std::string_view name, bool value) { member(name, value ? "true" : "false"); }

void Object::member(std::string_view name, std::string_view json)
{
    open(name);
    m_json += json;
}

std::string object(std::initializer_list<Member> members)
{
    std::string json = "{";
    for (const auto& [name, value] : members)
        json += (json.size() > 1 ? "," : "") + string(name) + ":" + value;
    return json + "}";
}

} // namespace vorantis::json
