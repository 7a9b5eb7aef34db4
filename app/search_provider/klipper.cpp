// SPDX-License-Identifier: GPL-3.0-or-later
#include "klipper.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <cstdio>

namespace zelvar {

bool copyThroughKlipper(const QString& text) {
    const QString service = QStringLiteral("org.kde.klipper");
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.interface()->isServiceRegistered(service))
        return false;
    QDBusMessage call =
        QDBusMessage::createMethodCall(service, QStringLiteral("/klipper"), QStringLiteral("org.kde.klipper.klipper"),
                                       QStringLiteral("setClipboardContents"));
    call << text;
    // Klipper answers at once; one that hangs must not hold up the desktop's
    // next search for long.
    constexpr int kTimeoutMilliseconds = 5000;
    const QDBusMessage reply = bus.call(call, QDBus::Block, kTimeoutMilliseconds);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        std::fprintf(stderr, ZELVAR_SEARCH_PROVIDER_NAME ": Klipper did not take the copy: %s\n",
                     qPrintable(reply.errorMessage()));
        return false;
    }
    return true;
}

}  // namespace zelvar
