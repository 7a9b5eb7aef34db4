// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QString>
#include <QTimer>

namespace zelvar {

// Ends the provider after a stretch without calls: 30 seconds, or the
// milliseconds in ZELVAR_SEARCH_IDLE_MS (for tests; the service file does
// not set it). The bus name is given up first, so a call that comes while
// the provider ends starts a new one instead of going unanswered; calls
// already on their way are answered before the event loop ends.
class IdleExit {
public:
    IdleExit(QDBusConnection bus, QString busName);

    // A desktop called: the stretch starts again.
    void restart();

private:
    void leave();

    QDBusConnection bus_;
    QString busName_;
    QTimer timer_;
};

}  // namespace zelvar
