// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/sheet.h"

#include "practice/draw.h"

#include <algorithm>

namespace vorantis::practice {

Exercise Sheet::next()
{
    if (m_index % exercisesApart == 0)
        m_apart.clear();
    const auto drawOnce = [this] {
        return std::visit(
            [this](auto levels) {
                return draw(m_code.topic, levels[static_cast<std::size_t>(m_code.level - 1)], m_random);
            },
            levelsOf(m_code.topic));
    };
    const auto isNew = [this](const Drawn& drawn) {
        return std::none_of(m_apart.begin(), m_apart.end(),
                            [&](const Drawn& d) { return sameExercise(d, drawn); });
    };
    Drawn drawn = drawUntil(drawOnce, isNew);
    m_apart.push_back(drawn);
    const bool mixed = topicRow(m_code.topic).mixedAnswers;
    return {m_code.topic,
            m_code.level,
            m_index++,
            &currentLanguage(),
            std::move(drawn.question),
            drawn.shape,
            drawn.exact,
            usualAnswer(drawn.exact, drawn.shape, mixed),
            drawn.procedure,
            std::move(drawn.fields)};
}

} // namespace vorantis::practice
