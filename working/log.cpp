// SPDX-License-Identifier: GPL-3.0-or-later
#include "working/log.h"

#include "language/language.h"
#include "working/mathml.h"
#include "working/plain_text.h"

namespace vorantis {

void WorkingLog::add(working::Entry entry)
{
    m_entries.push_back(std::move(entry));
    if (m_entries.size() > capacity)
        m_entries.pop_front();
}

std::string WorkingLog::plainText() const
{
    std::string text;
    for (const working::Entry& entry : m_entries)
        text += (text.empty() ? "" : "\n") + working::plainText(entry) + "\n";
    return text;
}

std::string WorkingLog::html() const
{
    // The look of a worked page: readable type, the answers set apart, fractions at full size.
    std::string page = "<!DOCTYPE html>\n<html lang=\"" + std::string(currentLanguage().code) +
        "\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + working::escapedHtml(tr("Vorantis: the working")) +
        "</title>\n<style>body{font:16px/1.5 sans-serif;max-width:50em;margin:1em auto;padding:0 1em}"
        "li{margin-bottom:1em}h3{font-size:1.1em;margin:0}p{margin:.2em 0}math{math-style:normal}"
        ".failure{color:#a00}</style>\n</head>\n<body>\n<ol>\n";
    for (const working::Entry& entry : m_entries)
        page += "<li>" + working::html(entry) + "</li>\n";
    return page + "</ol>\n</body>\n</html>\n";
}

} // namespace vorantis
