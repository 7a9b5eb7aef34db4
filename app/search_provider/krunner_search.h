// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusAbstractAdaptor>
#include <QList>
#include <QString>
#include <QVariantMap>

namespace zelvar {

class IdleExit;
class LengthResults;

// A match as KRunner's D-Bus runners return it: (sssida{sv}).
struct RunnerMatch {
    QString id;
    QString text;
    QString iconName;
    int type = 0;
    double relevance = 0;
    QVariantMap properties;
};

// An action as KRunner lists them: (sss), id, text and icon name.
struct RunnerAction {
    QString id;
    QString text;
    QString iconName;
};

// KDE Plasma's D-Bus runner interface, org.kde.krunner1, as Plasma 5.27 and
// Plasma 6 call it for a runner file with X-Plasma-API=DBus: Actions, Match
// and Run. Each match offers the action Copy; picking the match itself opens
// the window.
class KRunnerSearch : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.krunner1")

public:
    // Each call restarts the idle stretch.
    KRunnerSearch(QObject& provider, const LengthResults& results, IdleExit& idle);

public slots:
    QList<RunnerAction> Actions();
    QList<RunnerMatch> Match(const QString& query);
    void Run(const QString& matchId, const QString& actionId);
    // The rest of the interface, which KRunner calls only for runners with
    // X-Plasma-API=DBus2: no settings, and nothing kept to let go of.
    QVariantMap Config();
    void Teardown();

private:
    const LengthResults& results_;
    IdleExit& idle_;
};

}  // namespace zelvar

Q_DECLARE_METATYPE(zelvar::RunnerMatch)
Q_DECLARE_METATYPE(zelvar::RunnerAction)
