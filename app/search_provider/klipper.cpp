// SPDX-License-Identifier: GPL-3.0-or-later
#include "klipper.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <cstdio>

namespace zelvar {

void copyThroughKlipper(const QString& text, std::function<void(bool copied)> done) {
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.kde.klipper"), QStringLiteral("/klipper"),
                                                       QStringLiteral("org.kde.klipper.klipper"),
                                                       QStringLiteral("setClipboardContents"));
    call << text;
    // A Klipper that is not running is not started for one copy: the window
    // opens instead, and the bus says so at once.
    call.setAutoStartService(false);
    // Klipper answers at once. Past this, the window that opens instead
    // would come too late to read as the answer to the user's pick.
    constexpr int kTimeoutMilliseconds = 2000;
    auto* watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call, kTimeoutMilliseconds));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished,
                     [done = std::move(done)](QDBusPendingCallWatcher* answered) {
                         answered->deleteLater();
                         if (answered->isError())
                             std::fprintf(stderr, ZELVAR_SEARCH_PROVIDER_NAME ": Klipper did not take the copy: %s\n",
                                          qPrintable(answered->error().message()));
                         done(!answered->isError());
                     });
}

}  // namespace zelvar
