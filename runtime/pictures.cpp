// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace zelvar {

QString pictureFileFor(const QString& file, qreal devicePixelRatio) {
    if (devicePixelRatio <= 1)
        return file;
    const QFileInfo info(file);
    const QString sharp =
        info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral("@2x.") + info.suffix();
    return QFile::exists(sharp) ? sharp : file;
}

QIcon iconWithSharpSizes(const QString& file) {
    // A window's icon goes to the window manager in every size it has, each
    // decoded; task bars and window switchers draw at most 64 pixels, 128 on
    // a screen of twice the density. The desktop's menus take the larger
    // ones from the installed icon theme.
    constexpr int kLargestWindowIcon = 128;
    QIcon icon(file);
    const QFileInfo info(file);
    const QString prefix = info.completeBaseName() + QLatin1Char('-');
    const QDir renderings(info.path() + QStringLiteral("/icons"));
    for (const QString& png : renderings.entryList({prefix + QStringLiteral("*.png")}, QDir::Files)) {
        const int size = QStringView(png).sliced(prefix.size()).chopped(4).toInt();
        // Given its size, the icon decodes the file only when that size is drawn.
        if (size > 0 && size <= kLargestWindowIcon)
            icon.addFile(renderings.filePath(png), QSize(size, size));
    }
    return icon;
}

}  // namespace zelvar
