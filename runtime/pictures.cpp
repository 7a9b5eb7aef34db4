// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QIconEngine>
#include <QList>
#include <QPixmap>
#include <QStringList>
#include <optional>
#include <utility>

namespace zelvar {

namespace {

struct Rendering {
    int size;
    QString file;
};

// An icon file and its renderings, none of them read until the icon is first
// drawn or asked for its sizes: the application's icon is set before the
// splash shows, and the splash draws an icon of its own. Once read, the icon
// is Qt's own icon of the file and every rendering, and answers as that does.
class RenderingsIconEngine : public QIconEngine {
public:
    RenderingsIconEngine(const QString& file, QList<Rendering> renderings)
        : file_(file), renderings_(std::move(renderings)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        // QIcon::paint has already placed rect by actualSize, as Qt's own
        // engine is given it.
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

    bool isNull() override { return icon_ ? icon_->isNull() : !QFileInfo::exists(file_); }

    QString key() const override { return QStringLiteral("zelvar.renderings"); }

    QIconEngine* clone() const override { return new RenderingsIconEngine(*this); }

private:
    QIcon& icon() {
        if (!icon_) {
            icon_.emplace(file_);
            // Each rendering adds a size, even one the icon file has too:
            // the window manager is sent both and picks its own.
            for (const Rendering& rendering : renderings_)
                icon_->addFile(rendering.file, QSize(rendering.size, rendering.size));
        }
        return *icon_;
    }

    QString file_;
    QList<Rendering> renderings_;
    std::optional<QIcon> icon_;
};

QIcon iconWithRenderings(const QString& file) {
    // A window's icon goes to the window manager in every size it has;
    // task bars and window switchers draw at most 64 pixels, 128 on a screen
    // of twice the density. The desktop's menus take the larger ones from
    // the installed icon theme.
    constexpr int kLargestWindowIcon = 128;
    const QFileInfo info(file);
    const QString prefix = info.completeBaseName() + QLatin1Char('-');
    const QString suffix = QStringLiteral(".png");
    const QDir renderings(info.path() + QStringLiteral("/icons"));
    QList<Rendering> sharp;
    // Picked by hand rather than by a name filter, which would compile a
    // regular expression (and map the library for it) for one listing.
    for (const QString& png : renderings.entryList(QDir::Files)) {
        if (!png.startsWith(prefix) || !png.endsWith(suffix))
            continue;
        const int size = QStringView(png).sliced(prefix.size()).chopped(suffix.size()).toInt();
        if (size > 0 && size <= kLargestWindowIcon)
            sharp.append({size, renderings.filePath(png)});
    }
    return QIcon(new RenderingsIconEngine(file, std::move(sharp)));
}

// One icon for each file, for the application's life: the application and
// the main window show the same icon, which is then read and kept once.
QHash<QString, QIcon>& iconsMade() {
    static QHash<QString, QIcon> icons;
    return icons;
}

}  // namespace

QString pictureFileFor(const QString& file, qreal devicePixelRatio) {
    if (devicePixelRatio <= 1)
        return file;
    const QFileInfo info(file);
    const QString sharp =
        info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral("@2x.") + info.suffix();
    return QFile::exists(sharp) ? sharp : file;
}

QIcon iconWithSharpSizes(const QString& file) {
    QHash<QString, QIcon>& icons = iconsMade();
    if (const auto made = icons.constFind(file); made != icons.cend())
        return *made;
    // Their pixmaps go with the application object.
    if (icons.isEmpty())
        qAddPostRoutine([] { iconsMade().clear(); });
    return icons.insert(file, iconWithRenderings(file)).value();
}

}  // namespace zelvar
