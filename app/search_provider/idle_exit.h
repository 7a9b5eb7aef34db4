// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QString>
#include <QTimer>

namespace zelvar {

// Ends the provider after a stretch without calls: 30 seconds, or the
// milliseconds in ZELVAR_SEARCH_IDLE_MS (for tests; the service file does
// not set it). The bus name is given up first, so that a new call starts a
// new provider; then the provider stays a little longer, answering on its
// own connection: a desktop goes on sending to the unique name until it sees
// the well-known one change owner, and such a call is still on its way.
class IdleExit {
public:
    IdleExit(QDBusConnection bus, QString busName);

    // A desktop called: the stretch starts again, unless the name is given
    // up already.
    void restart();

    // Work that finishes after its call was answered (a copy through
    // Klipper) keeps the provider until it is done.
    void hold();
    void release();

private:
    enum class Stage { Serving, Leaving, Done };

    void leave();
    void quitWhenFree();

    QDBusConnection bus_;
    QString busName_;
    QTimer timer_;
    Stage stage_ = Stage::Serving;
    int held_ = 0;
};

}  // namespace zelvar
