// SPDX-License-Identifier: GPL-3.0-or-later
#include "gnome_search.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusVariant>

#include "idle_exit.h"
#include "length_results.h"
#include "window_launcher.h"

namespace zelvar {
namespace {

// The query the terms make, or nothing when they are too many or too long
// to be a length: joining them is then not worth its time.
std::optional<std::string> joined(const QStringList& terms) {
    constexpr qsizetype kMostTerms = 64;
    if (terms.size() > kMostTerms)
        return std::nullopt;
    qsizetype length = 0;
    for (const QString& term : terms)
        length += term.size() + 1;
    if (std::size_t(length) > kLongestLengthText)
        return std::nullopt;
    return terms.join(u' ').toStdString();
}

// A serialized GIcon, as g_icon_serialize writes a themed icon:
// ('themed', <['zelvar']>).
struct ThemedIcon {
    QStringList names;
};

QDBusArgument& operator<<(QDBusArgument& out, const ThemedIcon& icon) {
    out.beginStructure();
    out << QStringLiteral("themed") << QDBusVariant(icon.names);
    out.endStructure();
    return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, ThemedIcon& icon) {
    QString kind;
    QDBusVariant names;
    in.beginStructure();
    in >> kind >> names;
    in.endStructure();
    icon.names = names.variant().toStringList();
    return in;
}

}  // namespace
}  // namespace zelvar

Q_DECLARE_METATYPE(zelvar::ThemedIcon)

namespace zelvar {

GnomeSearch::GnomeSearch(QObject& provider, const LengthResults& results, IdleExit& idle)
    : QDBusAbstractAdaptor(&provider), results_(results), idle_(idle) {
    qDBusRegisterMetaType<QList<QVariantMap>>();
    qDBusRegisterMetaType<ThemedIcon>();
}

QStringList GnomeSearch::GetInitialResultSet(const QStringList& terms) {
    idle_.restart();
    const std::optional<std::string> query = joined(terms);
    return query ? results_.ids(*query) : QStringList{};
}

// The terms may have changed in any way, so the query is read afresh.
QStringList GnomeSearch::GetSubsearchResultSet(const QStringList&, const QStringList& terms) {
    return GetInitialResultSet(terms);
}

QList<QVariantMap> GnomeSearch::GetResultMetas(const QStringList& identifiers) {
    idle_.restart();
    static const ThemedIcon kIcon{{QStringLiteral(ZELVAR_ICON_NAME)}};
    // GNOME Shell pairs the metas with the ids by position, and shows none
    // of the provider's rows when their numbers differ: every id gets one.
    QList<QVariantMap> metas;
    metas.reserve(identifiers.size());
    for (const QString& id : identifiers) {
        QVariantMap meta{
            {QStringLiteral("id"), id},
            {QStringLiteral("icon"), QVariant::fromValue(kIcon)},
            {QStringLiteral("gicon"), QStringLiteral(ZELVAR_ICON_NAME)},
        };
        if (const std::optional<LengthResult> result = results_.result(id)) {
            meta.insert(QStringLiteral("name"), result->name);
            meta.insert(QStringLiteral("description"), result->converted);
            meta.insert(QStringLiteral("clipboardText"), result->clipboardText);
        } else {
            // An id that does not read back, or whose figure would
            // overflow, shows as its own text, the nearest thing to what
            // was asked. It has no clipboardText: picking the row leaves the
            // user's clipboard as it was rather than filling it with text
            // that is no figure.
            meta.insert(QStringLiteral("name"), id);
            meta.insert(QStringLiteral("description"), QString());
        }
        metas << meta;
    }
    return metas;
}

void GnomeSearch::ActivateResult(const QString& identifier, const QStringList&, uint timestamp) {
    idle_.restart();
    if (const std::optional<WrittenLength> length = results_.length(identifier.toStdString()))
        openWindow(length, timestamp);
}

void GnomeSearch::LaunchSearch(const QStringList& terms, uint timestamp) {
    idle_.restart();
    const std::optional<std::string> text = joined(terms);
    openWindow(text ? results_.length(*text) : std::nullopt, timestamp);
}

}  // namespace zelvar
