// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusAbstractAdaptor>
#include <QStringList>
#include <QVariantMap>

namespace zelvar {

class IdleExit;
class LengthResults;

// GNOME Shell's search-provider interface, version 2. The shell splits what
// the user typed into terms; they are joined again with single spaces and
// read as one query. The shell copies a result's clipboardText when the
// user picks the result.
class GnomeSearch : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Shell.SearchProvider2")

public:
    // Each call restarts the idle stretch.
    GnomeSearch(QObject& provider, const LengthResults& results, IdleExit& idle);

public slots:
    QStringList GetInitialResultSet(const QStringList& terms);
    QStringList GetSubsearchResultSet(const QStringList& previousResults, const QStringList& terms);
    QList<QVariantMap> GetResultMetas(const QStringList& identifiers);
    void ActivateResult(const QString& identifier, const QStringList& terms, uint timestamp);
    void LaunchSearch(const QStringList& terms, uint timestamp);

private:
    const LengthResults& results_;
    IdleExit& idle_;
};

}  // namespace zelvar
