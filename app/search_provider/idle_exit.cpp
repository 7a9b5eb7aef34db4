// SPDX-License-Identifier: GPL-3.0-or-later
#include "idle_exit.h"

#include <QCoreApplication>

namespace zelvar {
namespace {

constexpr int kIdleMilliseconds = 30'000;

// Long enough for a desktop to see the name go and to stop calling the
// unique name; short enough that a provider left behind is soon gone.
constexpr int kLeavingMilliseconds = 2000;

int idleMilliseconds() {
    bool ok = false;
    const int set = qEnvironmentVariableIntValue("ZELVAR_SEARCH_IDLE_MS", &ok);
    return ok && set >= 0 ? set : kIdleMilliseconds;
}

}  // namespace

IdleExit::IdleExit(QDBusConnection bus, QString busName) : bus_(std::move(bus)), busName_(std::move(busName)) {
    timer_.setSingleShot(true);
    timer_.setInterval(idleMilliseconds());
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (stage_ == Stage::Serving) {
            leave();
        } else {
            stage_ = Stage::Done;
            quitWhenFree();
        }
    });
    timer_.start();
}

void IdleExit::restart() {
    if (stage_ == Stage::Serving)
        timer_.start();
}

void IdleExit::hold() {
    ++held_;
}

void IdleExit::release() {
    --held_;
    quitWhenFree();
}

// Once the bus has answered the release, no call to the well-known name
// comes here any more; the calls that do come are answered while the
// timer runs.
void IdleExit::leave() {
    stage_ = Stage::Leaving;
    bus_.unregisterService(busName_);
    timer_.start(kLeavingMilliseconds);
}

void IdleExit::quitWhenFree() {
    if (stage_ == Stage::Done && held_ == 0)
        QCoreApplication::quit();
}

}  // namespace zelvar
