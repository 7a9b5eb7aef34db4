#include "window_placement.h"

#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace zelvar {

void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(), screen->availableGeometry()));
}

}  // namespace zelvar
