// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen_reader_watch.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QPointer>

namespace zelvar {
namespace {

const QString kService = QStringLiteral("org.a11y.Bus");
const QString kPath = QStringLiteral("/org/a11y/bus");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kStatus = QStringLiteral("org.a11y.Status");
const QString kScreenReaderEnabled = QStringLiteral("ScreenReaderEnabled");

}  // namespace

ScreenReaderWatch& ScreenReaderWatch::instance() {
    static QPointer<ScreenReaderWatch> watch;
    if (!watch) {
        const QString platform = QGuiApplication::platformName();
        const bool bridged = platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
        watch = new ScreenReaderWatch(bridged ? QDBusConnection::sessionBus() : QDBusConnection(QString()),
                                      QCoreApplication::instance());
    }
    return *watch;
}

ScreenReaderWatch::ScreenReaderWatch(const QDBusConnection& desktop, QObject* parent) : QObject(parent) {
    QDBusConnection bus = desktop;
    if (!bus.isConnected())
        return;
    bus.connect(kService, kPath, kProperties, QStringLiteral("PropertiesChanged"), this,
                SLOT(statusChanged(QString, QVariantMap, QStringList)));
    // Asked without waiting: the answer comes long before a person can act.
    QDBusMessage get = QDBusMessage::createMethodCall(kService, kPath, kProperties, QStringLiteral("Get"));
    get << kStatus << kScreenReaderEnabled;
    auto* call = new QDBusPendingCallWatcher(bus.asyncCall(get), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* answered) {
        const QDBusPendingReply<QDBusVariant> reply = *answered;
        if (!reply.isError())
            setRunning(reply.value().variant().toBool());
        answered->deleteLater();
    });
}

void ScreenReaderWatch::setRunning(bool running) {
    if (running == running_)
        return;
    running_ = running;
    emit runningChanged(running);
}

void ScreenReaderWatch::statusChanged(const QString& interface, const QVariantMap& changed, const QStringList&) {
    if (interface == kStatus && changed.contains(kScreenReaderEnabled))
        setRunning(changed.value(kScreenReaderEnabled).toBool());
}

void followScreenReader(QObject& context, const std::function<void(bool running)>& adapt) {
    ScreenReaderWatch& watch = ScreenReaderWatch::instance();
    QObject::connect(&watch, &ScreenReaderWatch::runningChanged, &context, adapt);
    adapt(watch.running());
}

}  // namespace zelvar
