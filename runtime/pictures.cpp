// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QList>
#include <QPixmap>
#include <QStringList>
#include <utility>

#include "deferred_icons.h"

namespace zelvar {

namespace {

struct Rendering {
    int size;
    QString file;
};

// Qt's own icon of the file, with the renderings at the sizes it lacks: at
// its own sizes the file's images are the icon, as drawn.
QIcon iconFromFiles(const QString& file, const QList<Rendering>& renderings) {
    QIcon icon(file);
    const QList<QSize> own = icon.availableSizes();
    for (const Rendering& rendering : renderings) {
        if (!own.contains(QSize(rendering.size, rendering.size)))
            icon.addPixmap(QPixmap::fromImage(readPicture(rendering.file)));
    }
    return icon;
}

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
    // Nothing is read until the icon is first drawn or asked for its sizes:
    // the application's icon is set before the splash shows, and the splash
    // draws an icon of its own.
    return deferredIcon([file, sharp = std::move(sharp)] { return iconFromFiles(file, sharp); },
                        [file] { return !QFileInfo::exists(file); });
}

// One icon for each file, for the application's life: the application and
// the main window show the same icon, which is then read and kept once.
QHash<QString, QIcon>& iconsMade() {
    static QHash<QString, QIcon> icons;
    return icons;
}

}  // namespace

QImage readPicture(const QString& file) {
    QImageReader reader(file, QFileInfo(file).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

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
