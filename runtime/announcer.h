// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace zelvar {

// Says a text through the screen reader at once, wherever the focus is: a
// notification, which a screen reader presents as soon as it is shown
// (Orca 43 says "notification", then the text). It has no size and draws
// nothing, so its window looks as before.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget& parent);

    void say(const QString& text);
};

// Teaches Qt's accessibility layer that an Announcer is a notification; call
// once, with the application object in place.
void installAnnouncerAccessibility();

}  // namespace zelvar
