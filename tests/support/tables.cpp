// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/tables.h"

#include "language/language.h"
#include "panels/dispatch.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <variant>

namespace vorantis::testing {
namespace {

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

std::string unescaped(const std::string& text)
{
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char code = text[i] == '\\' && i + 1 < text.size() ? text[++i] : 0;
        plain += !code    ? text[i]
            : code == 's' ? ' '
            : code == 'n' ? '\n'
            : code == 't' ? '\t'
            : code == '0' ? '\0'
                          : code;
    }
    return plain;
}

std::vector<TableRow> tableRows(const std::string& name, std::size_t width)
{
    std::ifstream file(VORANTIS_TESTS_DIR "/" + name);
    if (!file)
        throw std::runtime_error("cannot read " + name);
    std::vector<TableRow> rows;
    int number = 0;
    for (std::string line; std::getline(file, line);) {
        if (++number, trimmed(line).empty() || line.front() == '#')
            continue;
        TableRow& row = rows.emplace_back(TableRow{number, {}});
        std::istringstream in(line);
        for (std::string column; std::getline(in, column, '|');)
            row.columns.push_back(trimmed(column));
        row.columns.resize(std::max(width, row.columns.size()));
    }
    return rows;
}

void typeInto(MemoryForm& form, const std::string& typed)
{
    std::istringstream pairs(typed);
    for (std::string pair; pairs >> pair;)
        form.type(*fieldNamed(pair.substr(0, pair.find('='))), unescaped(pair.substr(pair.find('=') + 1)));
}

std::string valueOf(const Write& write)
{
    if (const auto* visibility = std::get_if<Visibility>(&write.value))
        return *visibility == Visibility::shown ? "shown" : "hidden";
    return std::get<std::string>(write.value);
}

ClickOutcome clickOn(std::string_view control, MemoryForm& form)
{
    const Click click = runClick(*procedureFor(control), form);
    ClickOutcome outcome;
    if (click.kind)
        outcome.failure = std::string(kindName(*click.kind)) + ": " + click.failure->said();
    else if (click.note)
        outcome.failure = "Note: " + click.note->said();
    for (const Write& write : click.writes) {
        outcome.writes += (outcome.writes.empty() ? "" : " ") + std::string(controlName(write.control)) + "=";
        for (const char c : valueOf(write)) // as the table writes a value
            outcome.writes += c == ' ' ? "\\s"
                : c == '\n'            ? "\\n"
                : c == '\t'            ? "\\t"
                : c == '\\'            ? "\\\\"
                                       : std::string(1, c);
    }
    for (const Control result : staleResults(click))
        outcome.stale += (outcome.stale.empty() ? "" : " ") + std::string(controlName(result));
    for (const Control written : unfinishedWrites(click))
        outcome.unfinished += (outcome.unfinished.empty() ? "" : " ") + std::string(controlName(written));
    return outcome;
}

} // namespace vorantis::testing
