// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/surface.h"

#include "app/clickable_label.h"
#include "app/line_widget.h"
#include "app/qt_text.h"
#include "language/language.h"
#include "layout/control_table.h"
#include "layout/window.h"
#include "panels/procedures.h"

#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <limits>

namespace vorantis {
namespace {

QWidget* createWidget(const ControlRow& row, QWidget* surface)
{
    const QString caption = toQString(captionOf(row));
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
            label->setHint(toQString(vorantis::tr(row.hint)));
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

// The client area's face at the zoom, which every control without a face of its own inherits.
QFont faceAt(int zoom)
{
    QFont face(toQString(fontFamily));
    face.setPointSizeF(controlPoints * zoom / 100);
    return face;
}

} // namespace

Surface::Surface(std::function<void(const Procedure&)> run, QWidget* parent) : QWidget(parent)
{
    setObjectName("surface");
    // Set before the controls are made, so that each is made in it rather than told of a change
    // of face (and measured again) once all of them are there.
    setFont(faceAt(m_zoom));
    // Made from the bottom up: a widget made later lies above those made before it.
    for (const ControlRow* stacked : stackingOrder()) {
        const ControlRow& row = *stacked;
        QWidget* widget = createWidget(row, this);
        widget->setObjectName(toQString(row.name));
        m_controls.emplace_back(&row, widget);
        if (!row.spokenName.empty())
            widget->setAccessibleName(toQString(spokenNameOf(row)));
        if (row.startsHidden) {
            widget->hide();
            widget->setFocusPolicy(Qt::NoFocus);
        }
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
    layOut();
}

void Surface::retranslate(const Language& before)
{
    for (const auto& [row, widget] : m_controls) {
        if (!row->spokenName.empty())
            widget->setAccessibleName(toQString(spokenNameOf(*row)));
        auto* label = qobject_cast<QLabel*>(widget);
        auto* button = qobject_cast<QPushButton*>(widget);
        if (!label && !button)
            continue;
        const QString shown = label ? label->text() : button->text();
        // A caption as the table gives it, or as a procedure wrote it; a number stays as it is.
        std::vector<std::string_view> candidates{row->caption};
        if (procedureFor(row->name))
            candidates.insert(candidates.end(), captionWords().begin(), captionWords().end());
        for (const std::string_view english : candidates) {
            const std::string_view context =
                english == row->caption ? row->captionContext : std::string_view();
            if (english.empty() || shown != toQString(trIn(before, english, context)))
                continue;
            const QString again = toQString(vorantis::tr(english, context));
            if (auto* clickable = qobject_cast<ClickableLabel*>(widget)) {
                clickable->setCaption(again);
                clickable->setHint(toQString(vorantis::tr(row->hint)));
            } else if (label) {
                label->setText(again);
            } else {
                button->setText(again);
            }
            break;
        }
    }
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
    const QFont font = faceAt(m_zoom);
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
            own.setPointSizeF(pointsOf(*row) * m_zoom / 100);
            own.setBold(row->bold);
            own.setUnderline(clickable); // a clickable label looks like a link
            widget->setFont(own);
        }
    }
}

} // namespace vorantis
