#include "tests/support/tables.h"

#include "core/failure.h"
#include "panels/dispatch.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

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
        if (text[i] != '\\' || i + 1 == text.size()) {
            plain += text[i];
            continue;
        }
        const char code = text[++i];
        plain += code == 's' ? ' ' : code == 'n' ? '\n' : code == 't' ? '\t' : code == '0' ? '\0' : code;
    }
    return plain;
}

namespace {

const char* kindName(FailureKind kind)
{
    constexpr const char* names[]{"NotANumber", "OutOfRange", "DivisionByZero", "InvalidOperation"};
    return names[static_cast<int>(kind)];
}

std::string escaped(const std::string& text)
{
    std::string marked;
    for (const char c : text)
        marked += c == ' ' ? "\\s"
            : c == '\n'    ? "\\n"
            : c == '\t'    ? "\\t"
            : c == '\\'    ? "\\\\"
                           : std::string(1, c);
    return marked;
}

} // namespace

ClickOutcome clickOn(std::string_view control, MemoryForm& form)
{
    const Click click = runClick(*procedureFor(control), form);
    ClickOutcome outcome;
    if (click.kind)
        outcome.failure = std::string(kindName(*click.kind)) + ": " +
            click.failure.substr(click.procedure->panel.size() + 2);
    for (const auto& [written, value] : click.writes)
        outcome.writes += (outcome.writes.empty() ? "" : " ") + std::string(written) + "=" + escaped(value);
    return outcome;
}

std::vector<TableRow> tableRows(const std::string& name, std::size_t width)
{
    std::ifstream file(VORANTIS_TESTS_DIR "/" + name);
    if (!file)
        throw std::runtime_error("cannot read " + name);
    std::vector<TableRow> rows;
    int number = 0;
    for (std::string line; std::getline(file, line);) {
        ++number;
        if (trimmed(line).empty() || line.front() == '#')
            continue;
        TableRow row{number, {}};
        std::istringstream in(line);
        for (std::string column; std::getline(in, column, '|');)
            row.columns.push_back(trimmed(column));
        row.columns.resize(std::max(width, row.columns.size()));
        rows.push_back(std::move(row));
    }
    return rows;
}

void typeInto(MemoryForm& form, const std::string& typed)
{
    std::istringstream pairs(typed);
    for (std::string pair; pairs >> pair;)
        form.type(*fieldNamed(pair.substr(0, pair.find('='))), unescaped(pair.substr(pair.find('=') + 1)));
}

} // namespace vorantis::testing
