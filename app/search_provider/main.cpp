// SPDX-License-Identifier: GPL-3.0-or-later
// The search provider: lengths typed into GNOME Shell's search or KDE
// Plasma's KRunner, answered with the figures Zelvar's window shows. The
// session bus starts it when a desktop first asks, and it leaves after 30
// seconds without a call; it keeps nothing between calls.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <cstdio>

#include "gnome_search.h"
#include "idle_exit.h"
#include "krunner_search.h"
#include "length_results.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        std::fprintf(stderr, ZELVAR_SEARCH_PROVIDER_NAME ": no session bus: %s\n",
                     qPrintable(bus.lastError().message()));
        return 1;
    }

    const zelvar::LengthResults results;
    zelvar::IdleExit idle(bus, QStringLiteral(ZELVAR_SEARCH_BUS_NAME));
    QObject provider;
    new zelvar::GnomeSearch(provider, results, idle);
    new zelvar::KRunnerSearch(provider, results, idle);

    if (!bus.registerObject(QStringLiteral(ZELVAR_SEARCH_OBJECT), &provider, QDBusConnection::ExportAdaptors) ||
        !bus.registerService(QStringLiteral(ZELVAR_SEARCH_BUS_NAME))) {
        std::fprintf(stderr, ZELVAR_SEARCH_PROVIDER_NAME ": cannot take %s on the session bus: %s\n",
                     ZELVAR_SEARCH_BUS_NAME, qPrintable(bus.lastError().message()));
        return 1;
    }
    return app.exec();
}
