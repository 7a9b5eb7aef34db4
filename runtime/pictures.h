// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

// Pictures and icons drawn from files, sharp on dense and large screens.
namespace zelvar {

// A picture file read in the format its name ends in. Qt, left to find the
// format itself, would first load every image plugin installed to ask it.
QImage readPicture(const QString& file);

// The file to draw a picture from on a screen of the given device pixel
// ratio: above 1, its sibling drawn at twice the pixels ("name@2x.ext"),
// where there is one.
QString pictureFileFor(const QString& file, qreal devicePixelRatio);

// An icon from an icon file and the renderings of the same icon that lie in
// an "icons" folder beside it as "<name>-<size>.png", so that a large or a
// dense screen draws it sharp. The files are read when the icon is first
// drawn or asked for its sizes; every call for the same file returns the
// same icon.
QIcon iconWithSharpSizes(const QString& file);

}  // namespace zelvar
