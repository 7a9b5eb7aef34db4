// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds in the program: the text boxes read piece by
// piece and place by place, the controls it does not find, the result fields
// while one runs, and how the program learns that one runs.

#include <QAccessible>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <algorithm>

#include "frm_conver_fixture.h"
#include "runtime/accessible_presence.h"
#include "runtime/announcer.h"
#include "runtime/controls.h"
#include "runtime/screen_reader_watch.h"
#include "runtime/text_box_accessibility.h"

using namespace zelvar;

namespace {

// The desktop's side of AT-SPI's status object.
class DesktopStatus : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.a11y.Status")
    Q_PROPERTY(bool ScreenReaderEnabled MEMBER screenReaderEnabled)
    Q_PROPERTY(bool IsEnabled MEMBER isEnabled)

public:
    bool screenReaderEnabled = false;
    bool isEnabled = false;
};

// A session bus of the test's own, with no service to start.
struct PrivateBus {
    PrivateBus() {
        QFile config(folder.filePath("bus.conf"));
        config.open(QIODevice::WriteOnly);
        config.write("<busconfig><type>session</type><listen>unix:tmpdir=" + folder.path().toUtf8() +
                     "</listen><policy context='default'><allow send_destination='*'/><allow receive_sender='*'/>"
                     "<allow own='*'/></policy></busconfig>");
        config.close();
        daemon.start("dbus-daemon", {"--config-file=" + config.fileName(), "--print-address=1", "--nofork"});
        address = daemon.waitForReadyRead(10000) ? QString::fromUtf8(daemon.readLine().trimmed()) : QString();
    }
    ~PrivateBus() {
        QDBusConnection::disconnectFromBus("desktop");
        QDBusConnection::disconnectFromBus("program");
        daemon.kill();
        daemon.waitForFinished();
    }

    QTemporaryDir folder;
    QProcess daemon;
    QString address;
};

// Returns once the program has handled all that the desktop sent it before:
// the desktop answers the program's questions in turn.
bool settled(QDBusConnection& program, const QDBusConnection& desktop) {
    QDBusMessage get = QDBusMessage::createMethodCall(desktop.baseService(), "/org/a11y/bus",
                                                      "org.freedesktop.DBus.Properties", "Get");
    get << "org.a11y.Status"
        << "IsEnabled";
    QDBusPendingCallWatcher answer(program.asyncCall(get));
    QSignalSpy answered(&answer, &QDBusPendingCallWatcher::finished);
    return answered.wait(10000);
}

QAccessibleInterface* readerOf(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

}  // namespace

class TstScreenReader : public test::FrmConverFixture {
    Q_OBJECT

private slots:
    // At, before and after an offset (-1: the end), each piece as "start end".
    void textPieces_data() {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("prompt");
        QTest::addColumn<int>("boundary");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QStringList>("pieces");
        const int character = QAccessible::CharBoundary, word = QAccessible::WordBoundary,
                  sentence = QAccessible::SentenceBoundary;
        const QString spaced = "12 ft.  Two m", prompt = "Select Unit ----->";
        const auto row = [](const char* name, const QString& shown, bool isPrompt, int boundary, int offset,
                            const QString& pieces) {
            QTest::newRow(name) << shown << isPrompt << boundary << offset << pieces.split('|');
        };
        row("empty, character", "", false, character, 0, "0 0|0 0|0 0");
        row("empty, word at the end", "", false, word, -1, "0 0|0 0|0 0");
        row("empty, sentence past the end", "", false, sentence, 1, "-1 -1|-1 -1|-1 -1");
        row("first character", spaced, false, character, 0, "0 1|0 0|1 2");
        row("a space", spaced, false, character, 6, "6 7|5 6|7 8");
        row("character at the end", spaced, false, character, 13, "13 13|12 13|13 13");
        row("past the end", spaced, false, character, 14, "-1 -1|-1 -1|-1 -1");
        row("first word", spaced, false, word, 0, "0 2|0 0|2 3");
        row("full stop and spaces", spaced, false, word, 6, "5 8|3 5|8 11");
        row("last word, at the end", spaced, false, word, -1, "12 13|11 12|13 13");
        row("first sentence", spaced, false, sentence, 6, "0 8|0 0|8 13");
        row("last sentence, at the end", spaced, false, sentence, 13, "8 13|0 8|13 13");
        row("prompt, its last word", prompt, true, word, -1, "7 11|6 7|11 11");
        row("prompt, its first word", prompt, true, word, 3, "0 6|0 0|6 7");
        row("prompt, in its arrow", prompt, true, character, 15, "-1 -1|-1 -1|-1 -1");
        row("prompt, its sentence", prompt, true, sentence, 0, "0 11|0 0|11 11");
        row("text like a prompt", prompt, false, word, 14, "11 18|7 11|18 18");
    }

    void textPieces() {
        QFETCH(QString, shown);
        QFETCH(bool, prompt);
        QFETCH(int, boundary);
        QFETCH(int, offset);
        QFETCH(QStringList, pieces);
        QLineEdit box;
        if (prompt)
            markAsPrompt(box, shown);
        box.setText(shown);
        QAccessibleTextInterface* reading = readerOf(&box)->textInterface();
        const QString read = prompt ? "Select Unit" : shown;  // the arrow after a prompt's words is not read
        QCOMPARE(reading->text(0, reading->characterCount()), read);
        using Ask = QString (QAccessibleTextInterface::*)(int, QAccessible::TextBoundaryType, int*, int*) const;
        QStringList found;
        for (Ask ask : {&QAccessibleTextInterface::textAtOffset, &QAccessibleTextInterface::textBeforeOffset,
                        &QAccessibleTextInterface::textAfterOffset}) {
            int start = 0, end = 0;
            const QString piece = (reading->*ask)(offset, QAccessible::TextBoundaryType(boundary), &start, &end);
            QCOMPARE(piece, start < 0 ? QString() : read.mid(start, end - start));
            found << QString::number(start) + ' ' + QString::number(end);
        }
        QCOMPARE(found, pieces);
    }

    // Each character's place is centred where a click starts putting the
    // cursor after it, however the box has scrolled.
    void characterPlaces_data() {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QList<int>>("cursorMoves");
        QString digits;
        while (digits.size() < 300)
            digits += "1234567890 ";
        QTest::newRow("digits and spaces") << "12 345.6  E+7" << int(Qt::AlignLeft) << QList<int>{0};
        QTest::newRow("scrolled to its end") << digits << int(Qt::AlignLeft) << QList<int>{300};
        QTest::newRow("scrolled back") << digits << int(Qt::AlignLeft) << QList<int>{300, 120};
        QTest::newRow("kerned capitals, on the right") << "AVATAR To Wa." << int(Qt::AlignRight) << QList<int>{0};
        QTest::newRow("an invisible space") << QString("12\u200b34 5") << int(Qt::AlignLeft) << QList<int>{0};
    }

    void characterPlaces() {
        QFETCH(QString, shown);
        QFETCH(int, alignment);
        QFETCH(QList<int>, cursorMoves);
        QLineEdit box;
        box.resize(120, 24);
        box.setAlignment(Qt::Alignment(alignment));
        box.setText(shown);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QAccessibleTextInterface* reading = readerOf(&box)->textInterface();
        for (int cursor : cursorMoves) {
            reading->characterRect(0);  // asked before each scroll too
            box.setCursorPosition(cursor);
            box.repaint();
        }
        const int reach = box.fontMetrics().horizontalAdvance(shown) + box.width();
        const int left = box.mapToGlobal(QPoint(0, 0)).x();
        QList<int> clicked, placed;
        for (int offset = 0, x = -reach; offset < shown.size(); ++offset) {
            while (x < reach && box.cursorPositionAt(QPoint(x, box.height() / 2)) <= offset)
                ++x;
            clicked << x;
            const QRect place = reading->characterRect(offset);
            placed << place.x() - left + place.width() / 2;
        }
        QCOMPARE(placed, clicked);
    }

    void plainWidgetsElsewhereKeepTheirControls() {
        QWidget elsewhere;
        QLabel shown(&elsewhere), left(&elsewhere);
        setSeenByScreenReader(left, false);
        QCOMPARE(readerOf(&elsewhere)->childCount(), 2);
    }

    // The result grid with a screen reader, from the start or turned on or
    // off with the window open, after converting one league.
    void resultsForScreenReader_data() {
        QTest::addColumn<bool>("atStart");
        QTest::addColumn<bool>("runs");
        QTest::newRow("none") << false << false;
        QTest::newRow("one from the start") << true << true;
        QTest::newRow("one turned on") << false << true;
        QTest::newRow("one turned off") << true << false;
    }

    void resultsForScreenReader() {
        QFETCH(bool, atStart);
        QFETCH(bool, runs);
        ScreenReaderWatch& watch = ScreenReaderWatch::instance();
        const auto noneAfter = qScopeGuard([&] { watch.setRunning(false); });
        watch.setRunning(atStart);
        window = std::make_unique<FrmConver>();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        watch.setRunning(runs);
        typeEntry("1");
        test::pickFromList(units(), "LEAGUE");
        button("cmdConvert").click();

        // Tab from CLEAR: through the fields, column by column, or straight on.
        std::vector<std::pair<QString, test::GridPlace>> grid(test::kGrid.begin(), test::kGrid.end());
        std::sort(grid.begin(), grid.end(), [](auto& a, auto& b) {
            return std::pair(a.second.metric, a.second.row) < std::pair(b.second.metric, b.second.row);
        });
        QStringList tabOrder{"cmdClear"}, tabbed{"cmdClear"}, captions, figures;
        for (const auto& [unit, place] : grid) {
            tabOrder << (runs ? QStringList{place.field} : QStringList());
            captions << place.caption;
            if (runs && unit != "LEAGUE")
                figures << unit + ' ' + fieldOf(unit).text();
        }
        tabOrder << "txtUserData";
        button("cmdClear").setFocus();
        while (tabbed.size() < tabOrder.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            tabbed << test::focusedControl();
        }
        QCOMPARE(tabbed, tabOrder);

        // Each field named by its unit and figure; captions and decorations out of sight.
        QCOMPARE(readerOf(&fieldOf("MILES"))->text(QAccessible::Name), runs ? "MILES 3." : "3.");
        QCOMPARE(readerOf(&fieldOf("LEAGUE"))->text(QAccessible::Name), "LEAGUE");
        QCOMPARE(readerOf(&fieldOf("FEET"))->state().focusable, runs);
        QAccessibleInterface* client = readerOf(window->centralWidget());
        QStringList seen, expected;
        for (int i = 0; i < client->childCount(); ++i)
            seen << client->child(i)->object()->objectName();
        for (QWidget* control : window->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const bool shape = qobject_cast<QFrame*>(control) && !qobject_cast<QLabel*>(control);
            if (!shape && !qobject_cast<PictureBox*>(control) && !(runs && captions.contains(control->objectName())))
                expected << control->objectName();
        }
        QCOMPARE(seen, expected);
        // CONVERT said every figure but the source's, unit first, in reading order.
        QCOMPARE(window->findChild<Announcer*>()->accessibleName(), figures.join(", "));
    }

    // ScreenReaderEnabled as the desktop says it at first (or has no status
    // object on the bus), then as it announces a change.
    void watchFollowsTheDesktop_data() {
        QTest::addColumn<bool>("statusOnBus");
        QTest::addColumn<bool>("readerAtStart");
        QTest::addColumn<bool>("toolAtStart");
        QTest::addColumn<QString>("changedInterface");
        QTest::addColumn<QString>("changed");
        QTest::addColumn<bool>("runsAtStart");
        QTest::addColumn<bool>("runsAfter");
        const QString status = "org.a11y.Status", reader = "ScreenReaderEnabled", tool = "IsEnabled";
        QTest::newRow("reader off, a tool on") << true << false << false << status << tool << false << false;
        QTest::newRow("reader on, then off") << true << true << true << status << reader << true << false;
        QTest::newRow("reader turned on") << true << false << true << status << reader << false << true;
        QTest::newRow("another interface") << true << false << false << "org.a11y.Other" << reader << false << false;
        QTest::newRow("no status on the bus") << false << true << true << status << reader << false << false;
    }

    void watchFollowsTheDesktop() {
        QFETCH(bool, statusOnBus);
        QFETCH(bool, readerAtStart);
        QFETCH(bool, toolAtStart);
        QFETCH(QString, changedInterface);
        QFETCH(QString, changed);
        QFETCH(bool, runsAtStart);
        QFETCH(bool, runsAfter);
        PrivateBus bus;
        QVERIFY2(!bus.address.isEmpty(), "dbus-daemon started");
        QDBusConnection desktop = QDBusConnection::connectToBus(bus.address, "desktop");
        DesktopStatus status;
        status.screenReaderEnabled = readerAtStart;
        status.isEnabled = toolAtStart;
        QVERIFY(desktop.registerObject("/org/a11y/bus", &status, QDBusConnection::ExportAllProperties));
        QVERIFY(!statusOnBus || desktop.registerService("org.a11y.Bus"));
        QDBusConnection program = QDBusConnection::connectToBus(bus.address, "program");

        ScreenReaderWatch watch(program);
        QVERIFY(settled(program, desktop));
        QCOMPARE(watch.running(), runsAtStart);

        QDBusMessage change =
            QDBusMessage::createSignal("/org/a11y/bus", "org.freedesktop.DBus.Properties", "PropertiesChanged");
        change << changedInterface << QVariantMap{{changed, !readerAtStart}} << QStringList();
        QVERIFY(desktop.send(change));
        QVERIFY(settled(program, desktop));
        QCOMPARE(watch.running(), runsAfter);
    }
};

ZELVAR_GUI_TEST_MAIN(TstScreenReader)
#include "tst_screen_reader.moc"
