// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds in text boxes and the result grid, and how the program learns that one runs.

#include <QAccessible>
#include <QtDBus>

#include "frm_conver_fixture.h"
#include "runtime/accessible_presence.h"
#include "runtime/announcer.h"
#include "runtime/screen_reader_watch.h"
#include "runtime/text_box_accessibility.h"

using namespace zelvar;

namespace {

const QString kPrompt = QStringLiteral("Select Unit ----->"), kStatusPath = QStringLiteral("/org/a11y/bus");
constexpr auto readerOf = &QAccessible::queryAccessibleInterface;

// A desktop on a session bus of the test's own that starts no service, so
// that AT-SPI's status object is there only if the desktop offers it.
class Desktop : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.a11y.Status")
    Q_PROPERTY(bool ScreenReaderEnabled MEMBER reader)
public:
    Desktop(bool reader, bool offersStatus) : reader(reader) {
        config.open();
        config.write("<busconfig><listen>unix:tmpdir=/tmp</listen><policy context='default'><allow own='*'/>"
                     "<allow send_destination='*'/><allow receive_sender='*'/></policy></busconfig>");
        config.flush();
        daemon.start("dbus-daemon", {"--nofork", "--print-address", "--config-file=" + config.fileName()});
        const QString address = daemon.waitForReadyRead(10000) ? daemon.readLine().trimmed() : "";
        bus = QDBusConnection::connectToBus(address, "desktop");
        program = QDBusConnection::connectToBus(address, "program");
        bus.registerObject(kStatusPath, this, QDBusConnection::ExportAllProperties);
        if (offersStatus)
            bus.registerService("org.a11y.Bus");
    }
    ~Desktop() override {
        QDBusConnection::disconnectFromBus("desktop");
        QDBusConnection::disconnectFromBus("program");
        daemon.terminate();  // not killed: it takes its socket out of /tmp as it ends
        daemon.waitForFinished();
    }
    // Whether the program has handled all that the desktop sent it before: a
    // question to the status object is answered in turn, on the thread that
    // answers the program's own (unlike a Ping, which D-Bus answers at once).
    bool settled() const {
        const auto ask = QDBusMessage::createMethodCall(bus.baseService(), kStatusPath,
                                                        "org.freedesktop.DBus.Introspectable", "Introspect");
        return program.call(ask, QDBus::BlockWithGui).type() == QDBusMessage::ReplyMessage;
    }
    bool reader;
    QTemporaryFile config;
    QProcess daemon;
    QDBusConnection bus{""}, program{""};
};

}  // namespace

class TstScreenReader : public test::FrmConverFixture {
    Q_OBJECT
private slots:
    // A right-aligned box that shows kPrompt while empty, read by characters |
    // words | sentences at, before and after an offset (-1: the end), each
    // piece as "start,end"; then each character's place once the box has
    // scrolled to its end and back, centred where a click starts putting the
    // cursor after the character.
    void textBoxes_data() {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("pieces");
        QTest::newRow("empty, at its end") << "" << -1 << "0,0 0,0 0,0 | 0,0 0,0 0,0 | 0,0 0,0 0,0";
        QTest::newRow("full stop and spaces") << "12 ft.  Two m" << 6 << "6,7 5,6 7,8 | 5,8 3,5 8,11 | 0,8 0,0 8,13";
        QTest::newRow("kerned capitals") << "AVATAR To Wa." << 0 << "0,1 0,0 1,2 | 0,6 0,0 6,7 | 0,13 0,0 13,13";
        QTest::newRow("long") << QString("12 ").repeated(100) << 0 << "0,1 0,0 1,2 | 0,2 0,0 2,3 | 0,300 0,0 300,300";
        QTest::newRow("prompt, at its end") << kPrompt << -1 << "11,11 10,11 11,11 | 7,11 6,7 11,11 | 0,11 0,0 11,11";
        QTest::newRow("in the arrow") << kPrompt << 15 << "-1,-1 -1,-1 -1,-1 | -1,-1 -1,-1 -1,-1 | -1,-1 -1,-1 -1,-1";
        QTest::newRow("no prompt") << "Select Unit ->" << 12 << "12,13 11,12 13,14 | 11,14 7,11 14,14 | 0,14 0,0 14,14";
    }
    void textBoxes() {
        QFETCH(QString, shown);
        QFETCH(int, offset);
        QFETCH(QString, pieces);
        QLineEdit box(shown);
        markAsPrompt(box, kPrompt);
        box.resize(120, 24);
        box.setAlignment(Qt::AlignRight);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QAccessibleTextInterface* reading = readerOf(&box)->textInterface();
        const QString read = shown == kPrompt ? "Select Unit" : shown;  // the arrow after a prompt's words is not read
        QCOMPARE(reading->text(0, reading->characterCount()), read);
        QStringList found;
        for (auto boundary : {QAccessible::CharBoundary, QAccessible::WordBoundary, QAccessible::SentenceBoundary})
            for (auto ask : {&QAccessibleTextInterface::textAtOffset, &QAccessibleTextInterface::textBeforeOffset,
                             &QAccessibleTextInterface::textAfterOffset}) {
                int start = 0, end = 0;
                const QString piece = (reading->*ask)(offset, boundary, &start, &end);
                QCOMPARE(piece, read.mid(start, end - start));
                found << QString("%1,%2").arg(start).arg(end);
            }
        QCOMPARE(found.join(' '), QString(pieces).remove("| "));
        for (int cursor : {300, 120}) {
            reading->characterRect(0);  // places found before a scroll must not outlive it
            box.setCursorPosition(cursor);
            box.repaint();
        }
        for (int at = 0, y = box.height() / 2; at < read.size(); ++at) {
            const QRect place = reading->characterRect(at).translated(-box.mapToGlobal(QPoint()));
            const int middle = place.x() + place.width() / 2;
            QCOMPARE(box.cursorPositionAt({middle - 1, y}), at);
            QCOMPARE(box.cursorPositionAt({middle, y}), at + 1);
        }
    }

    // The result grid with a screen reader running from the start, and once
    // it is turned off with the window open, after converting one league.
    void resultsForScreenReader_data() {
        QTest::addColumn<bool>("runs");
        QTest::newRow("one from the start") << true;
        QTest::newRow("one turned off") << false;
    }
    void resultsForScreenReader() {
        QFETCH(bool, runs);
        ScreenReaderWatch& watch = ScreenReaderWatch::instance();
        const auto noneAfter = qScopeGuard([&] { watch.setRunning(false); });
        watch.setRunning(true);
        init();  // the window anew, finding the screen reader running
        watch.setRunning(runs);
        typeEntry("1");
        test::pickFromList(units(), "LEAGUE");
        button("cmdConvert").click();
        QStringList tabOrder{"cmdClear"}, tabbed{"cmdClear"}, captions, figures;
        for (const QString unit : {"INCHES", "FEET", "YARDS", "RODS", "FURLONG", "MILES", "LEAGUE", "MILLIMETERS",
                                   "CENTIMETERS", "DECIMETERS", "METERS", "DEKAMETERS", "HECTOMETERS", "KILOMETERS"}) {
            tabOrder << (runs ? QStringList{test::kGrid.at(unit).field} : QStringList());
            captions << test::kGrid.at(unit).caption;
            if (runs && unit != "LEAGUE")
                figures << unit + ' ' + fieldOf(unit).text();
        }
        tabOrder << "txtUserData";
        for (button("cmdClear").setFocus(); tabbed.size() < tabOrder.size(); tabbed << test::focusedControl())
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(tabbed, tabOrder);
        QCOMPARE(readerOf(&fieldOf("MILES"))->text(QAccessible::Name), runs ? "MILES 3." : "3.");
        QCOMPARE(readerOf(&fieldOf("LEAGUE"))->text(QAccessible::Name), "LEAGUE");
        QCOMPARE(readerOf(&fieldOf("FEET"))->state().focusable, runs);
        QAccessibleInterface* client = readerOf(window->centralWidget());
        QStringList seen, expected;
        for (int i = 0; i < client->childCount(); ++i)
            seen << client->child(i)->object()->objectName();
        for (QWidget* control : window->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QString name = control->objectName();
            if (!name.startsWith("Shape") && name != "Image1" && !(runs && captions.contains(name)))
                expected << name;
        }
        QCOMPARE(seen, expected);
        QWidget elsewhere;  // a plain widget no form built keeps its controls
        setSeenByScreenReader(*new QLabel(&elsewhere), false);
        QCOMPARE(readerOf(&elsewhere)->childCount(), 1);
        QCOMPARE(window->findChild<Announcer*>()->accessibleName(), figures.join(", "));
    }

    // ScreenReaderEnabled as the desktop says it at first (or has no status
    // object on the bus), then once it announces a property turned around.
    void watchFollowsTheDesktop_data() {
        QTest::addColumn<bool>("statusOnBus");
        QTest::addColumn<bool>("readerAtStart");
        QTest::addColumn<QString>("changed");
        QTest::addColumn<bool>("runsAfter");
        const QString reader = "org.a11y.Status ScreenReaderEnabled";
        QTest::newRow("a tool turned off") << true << true << "org.a11y.Status IsEnabled" << true;
        QTest::newRow("reader on, then off") << true << true << reader << false;
        QTest::newRow("reader turned on") << true << false << reader << true;
        QTest::newRow("another interface") << true << false << "org.a11y.Other ScreenReaderEnabled" << false;
        QTest::newRow("no status on the bus") << false << false << reader << false;
    }
    void watchFollowsTheDesktop() {
        QFETCH(bool, statusOnBus);
        QFETCH(bool, readerAtStart);
        QFETCH(QString, changed);
        QFETCH(bool, runsAfter);
        Desktop desktop(readerAtStart, statusOnBus);
        QVERIFY2(desktop.program.isConnected(), "dbus-daemon started");
        ScreenReaderWatch watch(desktop.program);
        QVERIFY(desktop.settled());
        QCOMPARE(watch.running(), readerAtStart && statusOnBus);
        auto change = QDBusMessage::createSignal(kStatusPath, "org.freedesktop.DBus.Properties", "PropertiesChanged");
        change << changed.section(' ', 0, 0) << QVariantMap{{changed.section(' ', 1), !readerAtStart}} << QStringList();
        QVERIFY(desktop.bus.send(change));
        QVERIFY(desktop.settled());
        QCOMPARE(watch.running(), runsAfter);
    }
};

ZELVAR_GUI_TEST_MAIN(TstScreenReader)
#include "tst_screen_reader.moc"
