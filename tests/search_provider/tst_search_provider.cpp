// SPDX-License-Identifier: GPL-3.0-or-later
// The search provider as the desktops reach it: installed into a scratch
// prefix, started by a private session bus from its service file, called
// through GNOME Shell's and KRunner's interfaces, and gone when left idle.
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kBusName = QStringLiteral(ZELVAR_SEARCH_BUS_NAME);
const QString kObject = QStringLiteral(ZELVAR_SEARCH_OBJECT);
const QString kGnome = QStringLiteral("org.gnome.Shell.SearchProvider2");
const QString kKRunner = QStringLiteral("org.kde.krunner1");

// A session bus of the test's own, under a locale, that starts services from
// the scratch prefix. What it starts inherits its environment.
class PrivateBus {
public:
    PrivateBus(const QString& prefix, const QString& locale, const QString& name) {
        const QString config = folder_.filePath(QStringLiteral("bus.conf"));
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly))
            return;
        file.write(QStringLiteral("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                                  " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                                  "<busconfig><type>session</type><listen>unix:tmpdir=%1</listen>"
                                  "<servicedir>%2/share/dbus-1/services</servicedir>"
                                  "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                                  "<allow eavesdrop=\"true\"/><allow own=\"*\"/>"
                                  "</policy></busconfig>\n")
                       .arg(folder_.path(), prefix)
                       .toUtf8());
        file.close();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* unset : {"DISPLAY", "WAYLAND_DISPLAY", "LANGUAGE", "LC_NUMERIC"})
            env.remove(QLatin1String(unset));
        env.insert(QStringLiteral("LC_ALL"), locale);
        env.insert(QStringLiteral("LANG"), locale);
        daemon_.setProcessEnvironment(env);
        daemon_.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--config-file=") + config,
                                                      QStringLiteral("--print-address=1"), QStringLiteral("--nofork")});
        if (!daemon_.waitForReadyRead(10000))
            return;
        connection_.emplace(QDBusConnection::connectToBus(QString::fromUtf8(daemon_.readLine()).trimmed(), name));
    }

    ~PrivateBus() {
        if (connection_)
            QDBusConnection::disconnectFromBus(connection_->name());
        daemon_.terminate();
        if (!daemon_.waitForFinished(5000))
            daemon_.kill();
    }

    bool connected() const { return connection_ && connection_->isConnected(); }
    QDBusConnection& connection() { return *connection_; }

    bool providerRuns() { return connection().interface()->isServiceRegistered(kBusName); }

    QDBusMessage call(const QString& interface, const QString& method, const QVariantList& arguments) {
        QDBusMessage message = QDBusMessage::createMethodCall(kBusName, kObject, interface, method);
        message.setArguments(arguments);
        return connection().call(message, QDBus::Block, 20000);
    }

private:
    QTemporaryDir folder_;
    QProcess daemon_;
    std::optional<QDBusConnection> connection_;
};

struct Meta {
    QString id, name, description, icon, clipboard;
};

QList<Meta> gnomeMetas(PrivateBus& bus, const QStringList& ids) {
    const QDBusMessage reply = bus.call(kGnome, QStringLiteral("GetResultMetas"), {ids});
    QList<Meta> metas;
    if (reply.type() != QDBusMessage::ReplyMessage)
        return metas;
    const QDBusArgument array = reply.arguments().value(0).value<QDBusArgument>();
    array.beginArray();
    while (!array.atEnd()) {
        QVariantMap map;
        array >> map;
        metas << Meta{map.value(QStringLiteral("id")).toString(), map.value(QStringLiteral("name")).toString(),
                      map.value(QStringLiteral("description")).toString(),
                      map.value(QStringLiteral("gicon")).toString(),
                      map.value(QStringLiteral("clipboardText")).toString()};
    }
    array.endArray();
    return metas;
}

// KRunner's matches, as metas with the text as name and the subtext as
// description; the match type in place of the clipboard text.
QList<Meta> krunnerMatches(PrivateBus& bus, const QString& query) {
    const QDBusMessage reply = bus.call(kKRunner, QStringLiteral("Match"), {query});
    QList<Meta> matches;
    if (reply.type() != QDBusMessage::ReplyMessage)
        return matches;
    const QDBusArgument array = reply.arguments().value(0).value<QDBusArgument>();
    array.beginArray();
    while (!array.atEnd()) {
        Meta match;
        int type = 0;
        double relevance = 0;
        QVariantMap properties;
        array.beginStructure();
        array >> match.id >> match.name >> match.icon >> type >> relevance >> properties;
        array.endStructure();
        match.description = properties.value(QStringLiteral("subtext")).toString();
        match.clipboard = QString::number(type);
        matches << match;
    }
    array.endArray();
    return matches;
}

QStringList gnomeIds(PrivateBus& bus, const QStringList& terms) {
    return bus.call(kGnome, QStringLiteral("GetInitialResultSet"), {terms}).arguments().value(0).toStringList();
}

QStringList idsOf(const QList<Meta>& metas) {
    QStringList ids;
    for (const Meta& meta : metas)
        ids << meta.id;
    return ids;
}

}  // namespace

class TstSearchProvider : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(prefix_.isValid());
        QProcess install;
        install.start(QStringLiteral(ZELVAR_CMAKE), {QStringLiteral("--install"), QStringLiteral(ZELVAR_BUILD_DIR),
                                                     QStringLiteral("--prefix"), prefix_.path()});
        QVERIFY(install.waitForFinished(120000));
        QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());
        english_ = std::make_unique<PrivateBus>(prefix_.path(), QStringLiteral("en_US.UTF-8"), QStringLiteral("en"));
        german_ = std::make_unique<PrivateBus>(prefix_.path(), QStringLiteral("de_DE.UTF-8"), QStringLiteral("de"));
        QVERIFY(english_->connected() && german_->connected());
    }

    // The first call starts the installed provider.
    void activation() {
        QVERIFY(!english_->providerRuns());
        QCOMPARE(gnomeIds(*english_, {"5", "ft", "in", "m"}), QStringList{"5 FEET in METERS"});
        const uint pid = english_->connection().interface()->servicePid(kBusName);
        QCOMPARE(QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(pid)),
                 prefix_.filePath(QStringLiteral(ZELVAR_SEARCH_PROVIDER_DIR "/zelvar-search-provider")));
    }

    void lengths_data() {
        QTest::addColumn<bool>("german");
        QTest::addColumn<QString>("query");
        QTest::addColumn<QStringList>("order");  // the result ids' targets
        QTest::addColumn<QString>("name");       // the first result's
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("clipboard");
        // clang-format off
        QTest::newRow("target") << false << "5 ft in m" << QStringList{"METERS"} << "1.524 METERS" << "5 FEET" << "1.524";
        QTest::newRow("no space, metric first, figures in 1 to 1000 first")
            << false << "5ft"
            << QStringList{"METERS", "CENTIMETERS", "MILLIMETERS", "KILOMETERS", "DECIMETERS", "DEKAMETERS",
                           "HECTOMETERS", "INCHES", "YARDS", "MILES", "RODS", "FURLONG", "LEAGUE"}
            << "1.524 METERS" << "5 FEET" << "1.524";
        QTest::newRow("German, customary first, the nearest to 1 to 1000 first")
            << true << "1,5 km"
            << QStringList{"MILES", "YARDS", "FEET", "INCHES", "RODS", "FURLONG", "LEAGUE", "METERS",
                           "CENTIMETERS", "MILLIMETERS", "DEKAMETERS", "HECTOMETERS", "DECIMETERS"}
            << ",93195 MILES" << "1,5 KILOMETERS" << ",93195";
        QTest::newRow("German grouping, copied without it")
            << true << "1234.5 yards to m" << QStringList{"METERS"} << "1.128,8268 METERS" << "1234.5 YARDS" << "1128,8268";
        QTest::newRow(">") << false << "3 mi > km" << QStringList{"KILOMETERS"} << "4.8279 KILOMETERS" << "3 MILES" << "4.8279";
        QTest::newRow("any case, as") << false << "2 Miles AS Yards" << QStringList{"YARDS"} << "3,520. YARDS" << "2 MILES" << "3520.";
        QTest::newRow("=, spaces") << false << "  -0.5   inch =  cm " << QStringList{"CENTIMETERS"} << "-1.27 CENTIMETERS" << "-0.5 INCHES" << "-1.27";
        // clang-format on
    }

    // Through both interfaces: the same ids in the same order, and the first
    // result named as the window shows its figure.
    void lengths() {
        QFETCH(bool, german);
        QFETCH(QString, query);
        QFETCH(QStringList, order);
        PrivateBus& bus = german ? *german_ : *english_;
        const QStringList terms = query.split(u' ', Qt::SkipEmptyParts);
        const QStringList ids = gnomeIds(bus, terms);
        QCOMPARE(ids.size(), order.size());
        for (qsizetype i = 0; i < ids.size(); ++i)
            QVERIFY2(ids[i].endsWith(QStringLiteral(" in ") + order[i]), qPrintable(ids.join(u'|')));
        QCOMPARE(bus.call(kGnome, QStringLiteral("GetSubsearchResultSet"), {ids, terms}).arguments().value(0), ids);

        const QList<Meta> metas = gnomeMetas(bus, ids);
        QCOMPARE(idsOf(metas), ids);
        QTEST(metas[0].name, "name");
        QTEST(metas[0].description, "description");
        QTEST(metas[0].clipboard, "clipboard");
        QCOMPARE(metas[0].icon, QStringLiteral("zelvar"));

        const QList<Meta> matches = krunnerMatches(bus, query);
        QCOMPARE(idsOf(matches), ids);
        QTEST(matches[0].name, "name");
        QTEST(matches[0].description, "description");
        QCOMPARE(matches[0].icon, QStringLiteral("zelvar"));
        QCOMPARE(matches[0].clipboard, QStringLiteral("50"));  // a computed answer
    }

    void refusals_data() {
        QTest::addColumn<QString>("query");
        QTest::newRow("a program") << "firefox";
        QTest::newRow("a number") << "5";
        QTest::newRow("a unit") << "ft";
        QTest::newRow("not a unit") << "5 apples";
        QTest::newRow("in") << "in";
        QTest::newRow("no target after in") << "5 ft in";
        QTest::newRow("its own unit") << "5 ft in feet";
        QTest::newRow("overflow") << "1E38 lea";
        QTest::newRow("tab") << "5\tft";
        QTest::newRow("escape") << "5 ft\x1b";
        QTest::newRow("right to left") << QString::fromUtf8("\u05D7\u05DE\u05E9 ft");
        QTest::newRow("100 kB") << QString(100'000, u'1') + QStringLiteral(" ft");
        QTest::newRow("thousands of terms")
            << QStringList(5000, QStringLiteral("5")).join(u' ') + QStringLiteral(" ft");
    }

    void refusals() {
        QFETCH(QString, query);
        QCOMPARE(gnomeIds(*english_, query.split(u' ')), QStringList{});
        QCOMPARE(krunnerMatches(*english_, query).size(), 0);
    }

    void unknownIds() {
        const QStringList ids{"", "5 FEET", "nonsense", "5 FEET in FEET", QString(200'000, u'9') + " FEET in METERS"};
        QCOMPARE(gnomeMetas(*english_, ids).size(), 0);
        QCOMPARE(english_->call(kKRunner, QStringLiteral("Actions"), {}).type(), QDBusMessage::ReplyMessage);
    }

    // Last: it leaves after 30 seconds without a call, and an id from the
    // process that left still reads in the next.
    void idleExit() {
        QTest::qWait(25'000);
        QVERIFY(english_->providerRuns());
        QTRY_VERIFY_WITH_TIMEOUT(!english_->providerRuns(), 20'000);
        const QList<Meta> metas = gnomeMetas(*english_, {"5 FEET in METERS"});
        QCOMPARE(metas.size(), 1);
        QCOMPARE(metas[0].name, QStringLiteral("1.524 METERS"));
    }

private:
    QTemporaryDir prefix_;
    std::unique_ptr<PrivateBus> english_, german_;
};

QTEST_GUILESS_MAIN(TstSearchProvider)
#include "tst_search_provider.moc"
