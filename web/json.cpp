// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/json.h"

#include <emscripten/emscripten.h>

#include <cstdlib>
#include <memory>

namespace vorantis::json {

std::string string(std::string_view text)
{
    std::string json = "\"";
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20) {
            json += "\\u00";
            json += "0123456789abcdef"[c >> 4];
            json += "0123456789abcdef"[c & 15];
            continue;
        }
        if (c == '"' || c == '\\')
            json += '\\';
        json += c;
    }
    return json + '"';
}

namespace {

// The browser's own shortest text that reads back as the value: the module carries no number
// formatting of its own.
EM_JS(char*, browserShortest, (double value), {
    const text = String(value);
    const copy = _malloc(text.length + 1);
    stringToUTF8(text, copy, text.length + 1);
    return copy;
});

} // namespace

std::string number(double value)
{
    const std::unique_ptr<char, decltype(&std::free)> text(browserShortest(value), &std::free);
    return text.get();
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
