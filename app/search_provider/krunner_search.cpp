// SPDX-License-Identifier: GPL-3.0-or-later
#include "krunner_search.h"

#include <QDBusArgument>
#include <QDBusMetaType>

#include "idle_exit.h"
#include "klipper.h"
#include "length_results.h"
#include "window_launcher.h"

namespace zelvar {
namespace {

// KRunner's match type for an answer computed from the query: Plasma 5 calls
// 50 InformationalMatch, Plasma 6 reads it as a moderate category relevance.
// Either way, picking the match calls Run.
constexpr int kComputedAnswer = 50;

const QString kCopyAction = QStringLiteral("copy");

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

KRunnerSearch::KRunnerSearch(QObject& provider, const LengthResults& results, IdleExit& idle)
    : QDBusAbstractAdaptor(&provider), results_(results), idle_(idle) {
    qDBusRegisterMetaType<RunnerMatch>();
    qDBusRegisterMetaType<QList<RunnerMatch>>();
    qDBusRegisterMetaType<RunnerAction>();
    qDBusRegisterMetaType<QList<RunnerAction>>();
}

QList<RunnerAction> KRunnerSearch::Actions() {
    idle_.restart();
    return {{kCopyAction, QStringLiteral("Copy"), QStringLiteral("edit-copy")}};
}

QList<RunnerMatch> KRunnerSearch::Match(const QString& query) {
    idle_.restart();
    if (std::size_t(query.size()) > kLongestLengthText)
        return {};
    const QStringList ids = results_.ids(query.toStdString());
    QList<RunnerMatch> matches;
    for (qsizetype rank = 0; rank < ids.size(); ++rank) {
        const std::optional<LengthResult> result = results_.result(ids[rank]);
        if (!result)
            continue;
        matches << RunnerMatch{
            result->id,
            result->name,
            QStringLiteral(ZELVAR_ICON_NAME),
            kComputedAnswer,
            1.0 - double(rank) / double(ids.size()),
            {{QStringLiteral("subtext"), result->converted}, {QStringLiteral("actions"), QStringList{kCopyAction}}},
        };
    }
    return matches;
}

// Copy puts the figure on the clipboard, ungrouped, through Klipper;
// without it, the window opens, where Copy works. The provider stays until
// Klipper has answered, so that the window can still open.
void KRunnerSearch::Run(const QString& matchId, const QString& actionId) {
    idle_.restart();
    std::optional<WrittenLength> length = results_.length(matchId.toStdString());
    if (!length)
        return;
    if (actionId == kCopyAction) {
        if (const std::optional<LengthResult> result = results_.result(matchId)) {
            idle_.hold();
            copyThroughKlipper(result->clipboardText, [this, length = std::move(length)](bool copied) {
                if (!copied)
                    openWindow(length, 0);
                idle_.release();
            });
            return;
        }
    }
    openWindow(length, 0);
}

QVariantMap KRunnerSearch::Config() {
    idle_.restart();
    return {};
}

void KRunnerSearch::Teardown() {
    idle_.restart();
}

}  // namespace zelvar
