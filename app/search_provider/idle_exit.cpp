// SPDX-License-Identifier: GPL-3.0-or-later
#include "idle_exit.h"

#include <QCoreApplication>

namespace zelvar {
namespace {

constexpr int kIdleMilliseconds = 30'000;

int idleMilliseconds() {
    bool ok = false;
    const int set = qEnvironmentVariableIntValue("ZELVAR_SEARCH_IDLE_MS", &ok);
    return ok && set >= 0 ? set : kIdleMilliseconds;
}

}  // namespace

IdleExit::IdleExit(QDBusConnection bus, QString busName) : bus_(std::move(bus)), busName_(std::move(busName)) {
    timer_.setSingleShot(true);
    timer_.setInterval(idleMilliseconds());
    QObject::connect(&timer_, &QTimer::timeout, [this] { leave(); });
    timer_.start();
}

void IdleExit::restart() {
    timer_.start();
}

// Releasing the name is a call the bus answers only after it has routed to
// us every call sent to the name before; those are queued ahead of the quit.
void IdleExit::leave() {
    bus_.unregisterService(busName_);
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
}

}  // namespace zelvar
