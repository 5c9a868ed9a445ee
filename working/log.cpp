// SPDX-License-Identifier: GPL-3.0-or-later
#include "working/log.h"

namespace vorantis {
namespace {

std::string escapedHtml(const std::string& text)
{
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\n':
            escaped += "<br>\n";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

} // namespace

void WorkingLog::add(std::string entry)
{
    m_entries.push_back(std::move(entry));
    if (m_entries.size() > capacity)
        m_entries.pop_front();
}

std::string WorkingLog::plainText() const
{
    std::string text;
    for (const std::string& entry : m_entries)
        text += (text.empty() ? "" : "\n") + entry + "\n";
    return text;
}

std::string WorkingLog::html() const
{
    std::string page = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<title>Vorantis: the working</title>\n</head>\n<body>\n";
    for (const std::string& entry : m_entries)
        page += "<p>" + escapedHtml(entry) + "</p>\n";
    return page + "</body>\n</html>\n";
}

} // namespace vorantis
