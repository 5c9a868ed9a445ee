// SPDX-License-Identifier: GPL-3.0-or-later
#include "working/entry.h"

#include "language/language.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace vorantis::working {

Step said(std::string_view pattern, std::initializer_list<std::pair<std::string_view, Math>> values)
{
    return {pattern, {}, 1, values};
}

Step counted(std::string_view one, std::string_view many, unsigned long count,
             std::initializer_list<std::pair<std::string_view, Math>> values)
{
    return {one, many, count, values};
}

Step shown(Math math) { return {"{math}", {}, 1, {{"math", std::move(math)}}}; }

std::vector<Piece> piecesOf(const Step& step)
{
    const std::string_view pattern =
        step.plural.empty() ? tr(step.pattern) : trn(step.pattern, step.plural, step.count);
    std::vector<Piece> pieces;
    for (std::size_t at = 0; at < pattern.size();) {
        const std::size_t open = pattern.find('{', at);
        if (open != at)
            pieces.push_back({pattern.substr(at, open - at), nullptr});
        if (open == std::string_view::npos)
            break;
        const std::size_t close = pattern.find('}', open);
        const std::string_view name = pattern.substr(open + 1, close - open - 1);
        const auto value = std::find_if(step.values.begin(), step.values.end(),
                                        [name](const auto& v) { return v.first == name; });
        if (close == std::string_view::npos || value == step.values.end())
            throw std::logic_error("no value for {" + std::string(name) + "} in \"" + std::string(pattern) +
                                   "\"");
        pieces.push_back({{}, &value->second});
        at = close + 1;
    }
    return pieces;
}

} // namespace vorantis::working
