// SPDX-License-Identifier: GPL-3.0-or-later
#include "krunner_search.h"

#include <QDBusArgument>
#include <QDBusMetaType>

#include "length_results.h"
#include "window_launcher.h"

namespace zelvar {
namespace {

// KRunner's match type for an answer computed from the query: Plasma 5 calls
// 50 InformationalMatch, Plasma 6 reads it as a moderate category relevance.
// Either way, picking the match calls Run.
constexpr int kComputedAnswer = 50;

}  // namespace

QDBusArgument& operator<<(QDBusArgument& out, const RunnerMatch& match) {
    out.beginStructure();
    out << match.id << match.text << match.iconName << match.type << match.relevance << match.properties;
    out.endStructure();
    return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, RunnerMatch& match) {
    in.beginStructure();
    in >> match.id >> match.text >> match.iconName >> match.type >> match.relevance >> match.properties;
    in.endStructure();
    return in;
}

QDBusArgument& operator<<(QDBusArgument& out, const RunnerAction& action) {
    out.beginStructure();
    out << action.id << action.text << action.iconName;
    out.endStructure();
    return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, RunnerAction& action) {
    in.beginStructure();
    in >> action.id >> action.text >> action.iconName;
    in.endStructure();
    return in;
}

KRunnerSearch::KRunnerSearch(QObject& provider, const LengthResults& results)
    : QDBusAbstractAdaptor(&provider), results_(results) {
    qDBusRegisterMetaType<RunnerMatch>();
    qDBusRegisterMetaType<QList<RunnerMatch>>();
    qDBusRegisterMetaType<RunnerAction>();
    qDBusRegisterMetaType<QList<RunnerAction>>();
}

// Picking a match opens the window; there is nothing else to choose.
QList<RunnerAction> KRunnerSearch::Actions() {
    emit called();
    return {};
}

QList<RunnerMatch> KRunnerSearch::Match(const QString& query) {
    emit called();
    if (std::size_t(query.size()) > kLongestLengthQuery)
        return {};
    const QStringList ids = results_.ids(query.toStdString());
    QList<RunnerMatch> matches;
    for (qsizetype rank = 0; rank < ids.size(); ++rank) {
        const std::optional<LengthResult> result = results_.result(ids[rank]);
        if (!result)
            continue;
        matches << RunnerMatch{
            result->id,
            result->figure + u' ' + result->unitName,
            QStringLiteral(ZELVAR_ICON_NAME),
            kComputedAnswer,
            1.0 - double(rank) / double(ids.size()),
            {{QStringLiteral("subtext"), result->converted}, {QStringLiteral("actions"), QStringList{}}},
        };
    }
    return matches;
}

void KRunnerSearch::Run(const QString& matchId, const QString&) {
    emit called();
    if (const std::optional<LengthQuery> query = results_.query(matchId.toStdString()))
        openWindow(query, 0);
}

}  // namespace zelvar
