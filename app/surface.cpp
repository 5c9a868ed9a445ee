// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/surface.h"

#include "app/clickable_label.h"
#include "app/line_widget.h"
#include "layout/control_table.h"
#include "panels/procedures.h"

#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <limits>

namespace vorantis {
namespace {

// One face for the whole client area, from a free font package the set-up installs. At 7 pt
// every caption without a font of its own fits its rectangle.
constexpr auto fontFamily = "Liberation Sans";
constexpr double defaultFontPoints = 7;

QString toQString(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

QWidget* createWidget(const ControlRow& row, QWidget* surface)
{
    const QString caption = toQString(row.caption);
    switch (row.kind) {
    case ControlKind::TextField: {
        auto* field = new QLineEdit(surface);
        field->setMaxLength(std::numeric_limits<int>::max()); // a field holds any length
        return field;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(caption, surface);
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::Label: {
        if (procedureFor(row.name)) {
            auto* label = new ClickableLabel(caption, surface);
            label->setHint(toQString(row.hint));
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return label;
        }
        // Headings overlap the clickable labels; a label that starts nothing must never take a
        // click from one that does, so it lets every click through.
        auto* label = new QLabel(caption, surface);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        return label;
    }
    case ControlKind::Line:
        break;
    }
    return new LineWidget(surface);
}

} // namespace

Surface::Surface(std::function<void(const Procedure&)> run, QWidget* parent) : QWidget(parent)
{
    setObjectName("surface");
    std::vector<std::pair<int, QWidget*>> focusChain;
    std::vector<QWidget*> background; // labels and lines lie behind fields and buttons
    for (const ControlRow& row : controlTable()) {
        QWidget* widget = createWidget(row, this);
        widget->setObjectName(toQString(row.name));
        m_controls.emplace_back(&row, widget);
        if (!row.spokenName.empty())
            widget->setAccessibleName(toQString(row.spokenName));
        if (row.startsHidden) {
            widget->hide();
            widget->setFocusPolicy(Qt::NoFocus);
        }
        if (row.kind == ControlKind::Label || row.kind == ControlKind::Line)
            background.push_back(widget);
        else
            focusChain.emplace_back(row.tabIndex, widget);

        if (const Procedure* procedure = procedureFor(row.enterRuns))
            connect(qobject_cast<QLineEdit*>(widget), &QLineEdit::returnPressed, this,
                    [run, procedure] { run(*procedure); });
        if (const Procedure* procedure = procedureFor(row.name)) {
            if (auto* button = qobject_cast<QPushButton*>(widget))
                connect(button, &QPushButton::clicked, this, [run, procedure] { run(*procedure); });
            else if (auto* label = qobject_cast<ClickableLabel*>(widget))
                connect(label, &ClickableLabel::clicked, this, [run, procedure] { run(*procedure); });
        }
    }
    for (QWidget* widget : background)
        widget->lower();
    std::ranges::sort(focusChain, {}, &std::pair<int, QWidget*>::first);
    for (std::size_t i = 1; i < focusChain.size(); ++i)
        setTabOrder(focusChain[i - 1].second, focusChain[i].second);
    layOut();
}

void Surface::setZoom(int percent)
{
    if (percent == m_zoom)
        return;
    m_zoom = percent;
    layOut();
}

void Surface::layOut()
{
    const double scale = m_zoom / 100.0 / twipsPerPixel;
    const auto pixels = [scale](int twips) { return int(std::lround(twips * scale)); };
    setFixedSize(pixels(clientWidthTwips), pixels(clientHeightTwips));
    QFont font(fontFamily);
    font.setPointSizeF(defaultFontPoints * m_zoom / 100);
    setFont(font);

    for (const auto& [row, widget] : m_controls) {
        const QRect rect(pixels(row->rect.left), pixels(row->rect.top), pixels(row->rect.width),
                         pixels(row->rect.height));
        if (auto* line = dynamic_cast<LineWidget*>(widget)) {
            line->setEnds(rect.topLeft(), rect.topLeft() + QPoint(rect.width(), rect.height()),
                          m_zoom / 100.0);
            continue;
        }
        widget->setGeometry(rect);
        const bool clickable = qobject_cast<ClickableLabel*>(widget);
        if (row->fontPoints > 0 || row->bold || clickable) {
            QFont own = font;
            own.setPointSizeF((row->fontPoints > 0 ? row->fontPoints : defaultFontPoints) * m_zoom / 100);
            own.setBold(row->bold);
            own.setUnderline(clickable); // a clickable label looks like a link
            widget->setFont(own);
        }
    }
}

} // namespace vorantis
