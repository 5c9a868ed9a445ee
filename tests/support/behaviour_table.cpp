#include "tests/support/behaviour_table.h"

#include "core/failure.h"
#include "panels/procedures.h"

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

std::string unescaped(const std::string& text)
{
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            plain += text[i];
            continue;
        }
        const char code = text[++i];
        plain += code == 's' ? ' ' : code == 'n' ? '\n' : code == 't' ? '\t' : code;
    }
    return plain;
}

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
    ClickOutcome outcome;
    form.forgetWrites();
    try {
        procedureFor(control)->run(form);
    } catch (const Failure& failure) {
        outcome.failure = std::string(kindName(failure.kind())) + ": " + failure.what();
    }
    for (const std::string& write : form.writes())
        outcome.writes += (outcome.writes.empty() ? "" : " ") + escaped(write);
    return outcome;
}

std::vector<BehaviourRow> behaviourRows()
{
    std::ifstream file(VORANTIS_BEHAVIOUR_TABLE);
    if (!file)
        throw std::runtime_error("cannot read " VORANTIS_BEHAVIOUR_TABLE);
    std::vector<BehaviourRow> rows;
    int number = 0;
    for (std::string line; std::getline(file, line);) {
        ++number;
        if (trimmed(line).empty() || line.front() == '#')
            continue;
        std::vector<std::string> columns;
        std::istringstream in(line);
        for (std::string column; std::getline(in, column, '|');)
            columns.push_back(trimmed(column));
        columns.resize(4);
        BehaviourRow row{number, columns[0], {}, columns[2], columns[3]};
        std::istringstream typed(columns[1]);
        for (std::string pair; typed >> pair;)
            row.typed.emplace_back(pair.substr(0, pair.find('=')),
                                   unescaped(pair.substr(pair.find('=') + 1)));
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace vorantis::testing
