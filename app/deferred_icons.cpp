// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/deferred_icons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QProxyStyle>

#include <memory>
#include <optional>
#include <utility>

namespace vorantis {
namespace {

class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> make) : m_make(std::move(make)) { }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        made().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return made().actualSize(size, mode, state);
    }
    // An engine is asked in pixels of the device; a QIcon is asked in logical pixels at a scale.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return made().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return made().pixmap(size / scale, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return made().availableSizes(mode, state);
    }
    bool isNull() override { return false; } // asking would make it
    QString key() const override { return QStringLiteral("vorantis.deferred"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon& made()
    {
        if (!*m_made)
            *m_made = m_make();
        return **m_made;
    }

    std::function<QIcon()> m_make;
    std::shared_ptr<std::optional<QIcon>> m_made =
        std::make_shared<std::optional<QIcon>>(); // one for all copies
};

// Every menu bar makes its overflow button, and the button's arrow, when it is made; the
// arrow is drawn only where the menus do not fit. Every other icon is the style's own.
class DeferredIconStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override
    {
        if (which != SP_ToolBarHorizontalExtensionButton && which != SP_ToolBarVerticalExtensionButton)
            return QProxyStyle::standardIcon(which, option, widget);
        // The option and the widget may be gone when the arrow is drawn; without them the
        // style takes the direction of the application's layout.
        return deferredIcon([base = QPointer<QStyle>(baseStyle()), which] {
            return base ? base->standardIcon(which) : QIcon();
        });
    }
};

} // namespace

QIcon deferredIcon(std::function<QIcon()> make) { return QIcon(new DeferredIconEngine(std::move(make))); }

void deferStyleIcons() { QApplication::setStyle(new DeferredIconStyle); }

} // namespace vorantis
