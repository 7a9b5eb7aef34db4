// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <functional>

// Icons made only when they are first drawn or asked for their sizes. Reading
// an icon's files may load image plugins and their libraries; an icon that a
// window sets up but seldom or never shows should not cost that at start-up.
namespace zelvar {

// An icon that `make` makes when it is first needed, and that from then on
// answers as the icon made. Until then it is null exactly when `isNull` says so.
QIcon deferredIcon(std::function<QIcon()> make, std::function<bool()> isNull);

// The application's style, with the icons of the menu bar's extension button
// (shown only when the menu titles do not fit) made when first drawn. Qt reads
// them as every menu bar is made, by asking each installed image plugin
// whether it reads the files: a dozen libraries on a desktop with many image
// formats installed, for a button the program never shows.
void installDeferredStyleIcons();

}  // namespace zelvar
