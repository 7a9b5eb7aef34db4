// SPDX-License-Identifier: GPL-3.0-or-later
#include "deferred_icons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPointer>
#include <QProxyStyle>
#include <QWidget>
#include <optional>
#include <utility>

namespace zelvar {
namespace {

class DeferredIconEngine : public QIconEngine {
public:
    DeferredIconEngine(std::function<QIcon()> make, std::function<bool()> isNull)
        : make_(std::move(make)), isNull_(std::move(isNull)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        // QIcon::paint has already placed rect by actualSize, as the made
        // icon's own engine is given it.
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    // Qt's own engine draws at exactly its actual size, at scale 1.
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, 1.0, mode, state).size();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, 1.0, mode, state);
    }

    // QIcon asks with the size in device pixels; handed back in logical
    // ones, QIcon multiplies them out again to the same size.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return icon().pixmap(size / scale, scale, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }

    void addPixmap(const QPixmap& pixmap, QIcon::Mode mode, QIcon::State state) override {
        icon().addPixmap(pixmap, mode, state);
    }

    void addFile(const QString& file, const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        icon().addFile(file, size, mode, state);
    }

    bool isNull() override { return icon_ ? icon_->isNull() : isNull_(); }

    QString key() const override { return QStringLiteral("zelvar.deferred"); }

    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    QIcon& icon() {
        if (!icon_)
            icon_.emplace(make_());
        return *icon_;
    }

    std::function<QIcon()> make_;
    std::function<bool()> isNull_;
    std::optional<QIcon> icon_;
};

class DeferredIconsStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override {
        if (option || (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton))
            return QProxyStyle::standardIcon(icon, option, widget);
        return deferredIcon(
            // The widget may be gone by the time the icon is drawn.
            [style = QPointer<QStyle>(baseStyle()), icon, widget = QPointer<QWidget>(const_cast<QWidget*>(widget))] {
                return style ? style->standardIcon(icon, nullptr, widget) : QIcon();
            },
            [] { return false; });
    }
};

}  // namespace

QIcon deferredIcon(std::function<QIcon()> make, std::function<bool()> isNull) {
    return QIcon(new DeferredIconEngine(std::move(make), std::move(isNull)));
}

void installDeferredStyleIcons() {
    // The proxy takes the style Qt chose (by -style, the environment or the
    // desktop) as its base, and answers everything else as that style does.
    QApplication::setStyle(new DeferredIconsStyle(QApplication::style()));
}

}  // namespace zelvar
