// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>
#include <QVariantMap>
#include <functional>

class QDBusConnection;

namespace zelvar {

// Whether a screen reader runs, as the desktop says: AT-SPI's
// org.a11y.Status.ScreenReaderEnabled on the session bus. It mirrors the
// desktop's setting that makes it start its screen reader (GNOME's
// screen-reader-enabled). IsEnabled on the same object says less: any
// assistive tool sets it, and Orca sets only that. The property is
// followed while the program runs, so that turning the screen reader on or
// off takes effect at once. Where there is no session bus, no AT-SPI on it,
// or the platform has no accessibility bridge (offscreen, minimal), none
// runs.
class ScreenReaderWatch : public QObject {
    Q_OBJECT

public:
    // The application's, on the session bus; it asks the bus when it is
    // first used.
    static ScreenReaderWatch& instance();

    // Follows the property as the desktop announces it on bus, from now on;
    // on a bus that is not connected, none runs.
    explicit ScreenReaderWatch(const QDBusConnection& bus, QObject* parent = nullptr);

    bool running() const { return running_; }

    // What the desktop said; the program's tests say it in its place.
    void setRunning(bool running);

signals:
    void runningChanged(bool running);

private slots:
    void statusChanged(const QString& interface, const QVariantMap& changed, const QStringList& invalidated);

private:
    bool running_ = false;
};

// Calls adapt with whether a screen reader runs, now and each time that
// changes, for as long as context lives.
void followScreenReader(QObject& context, const std::function<void(bool running)>& adapt);

}  // namespace zelvar
