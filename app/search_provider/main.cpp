// SPDX-License-Identifier: GPL-3.0-or-later
// zelvar-search-provider: lengths typed into GNOME Shell's search or KDE
// Plasma's KRunner, answered with the figures Zelvar's window shows. The
// session bus starts it when a desktop first asks, and it leaves after 30
// seconds without a call; it keeps nothing between calls.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QTimer>
#include <cstdio>

#include "gnome_search.h"
#include "krunner_search.h"
#include "length_results.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        std::fprintf(stderr, "zelvar-search-provider: no session bus: %s\n", qPrintable(bus.lastError().message()));
        return 1;
    }

    const zelvar::LengthResults results;
    QObject provider;
    auto* gnome = new zelvar::GnomeSearch(provider, results);
    auto* krunner = new zelvar::KRunnerSearch(provider, results);

    QTimer idle;
    idle.setSingleShot(true);
    idle.setInterval(30'000);
    QObject::connect(&idle, &QTimer::timeout, &app, &QCoreApplication::quit);
    QObject::connect(gnome, &zelvar::GnomeSearch::called, &idle, qOverload<>(&QTimer::start));
    QObject::connect(krunner, &zelvar::KRunnerSearch::called, &idle, qOverload<>(&QTimer::start));
    idle.start();

    if (!bus.registerObject(QStringLiteral(ZELVAR_SEARCH_OBJECT), &provider, QDBusConnection::ExportAdaptors) ||
        !bus.registerService(QStringLiteral(ZELVAR_SEARCH_BUS_NAME))) {
        std::fprintf(stderr, "zelvar-search-provider: cannot take %s on the session bus: %s\n", ZELVAR_SEARCH_BUS_NAME,
                     qPrintable(bus.lastError().message()));
        return 1;
    }
    return app.exec();
}
