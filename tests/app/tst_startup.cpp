// SPDX-License-Identifier: GPL-3.0-or-later
// The program as a whole, started as main starts it: the splash first, the
// hand-over, and each way the program ends, with no window left behind.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

#include "forms/forms.h"
#include "gui_test_support.h"
#include "runtime/form_life.h"
#include "runtime/messages.h"
#include "runtime/program.h"
#include "zelvar_identity.h"
#include "zelvar_project.h"

using namespace zelvar;

namespace {

constexpr int kNeverEnded = 99;

enum class Ending { Exit, CloseMain, CloseSplash, UnhandledError };

QStringList visibleWindows() {
    QStringList names;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            names << w->objectName();
    }
    return names;
}

template <typename Form> Form* existing() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* form = qobject_cast<Form*>(w))
            return form;
    }
    return nullptr;
}

// What the program showed while it ran.
struct Seen {
    QStringList firstWindows;  // visible at the first turn of the event loop
    bool mainWindowAtStart = true;
    QString version;
    QString mainTitle;
    bool handedOver = false;
};

}  // namespace

class TstStartup : public QObject {
    Q_OBJECT

    test::ModalWatch modals;

    // Starts the program and, once its event loop runs, drives it to the ending.
    int runProgram(Ending ending, Seen& seen) {
        QTimer::singleShot(0, qApp, [&seen, ending] {
            seen.firstWindows = visibleWindows();
            seen.mainWindowAtStart = existing<FrmConver>() != nullptr;
            FrmSplash* splash = existing<FrmSplash>();
            if (!splash || !QTest::qWaitForWindowActive(splash))
                return;
            seen.version = test::childOf<QLabel>(*splash, QStringLiteral("lblVersion")).text();
            if (ending == Ending::CloseSplash) {
                splash->close();
                return;
            }
            QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Space);
            FrmConver* main = existing<FrmConver>();
            seen.handedOver = main && QTest::qWaitForWindowActive(main);
            if (!seen.handedOver)
                return;
            seen.mainTitle = main->windowTitle();
            switch (ending) {
            case Ending::Exit: main->findChild<QAction*>(QStringLiteral("mnuExitItem"))->trigger(); return;
            case Ending::CloseMain: main->close(); return;
            case Ending::UnhandledError:
                QTimer::singleShot(0, qApp, [] { throw RunTimeErrorRaised(kOverflowError); });
                return;
            case Ending::CloseSplash: return;
            }
        });
        QTimer safety;
        safety.setSingleShot(true);
        connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(kNeverEnded); });
        safety.start(10000);
        return runProject(FormApplication::current(), zelvarProject());
    }

private slots:
    void init() { modals.start(); }

    void cleanup() {
        unloadAllForms();
        const QStringList unexpected = modals.stop();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join('\n')));
    }

    void endings_data() {
        QTest::addColumn<Ending>("ending");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("handsOver");
        QTest::newRow("File > Exit") << Ending::Exit << 0 << true;
        QTest::newRow("main window closed") << Ending::CloseMain << 0 << true;
        QTest::newRow("splash closed first") << Ending::CloseSplash << 0 << false;
    }

    // The splash always comes first; each ending leaves no form, visible or hidden.
    void endings() {
        QFETCH(Ending, ending);
        QFETCH(int, status);
        QFETCH(bool, handsOver);
        Seen seen;
        QCOMPARE(runProgram(ending, seen), status);
        QCOMPARE(seen.firstWindows, QStringList{QStringLiteral("frmSplash")});
        QVERIFY(!seen.mainWindowAtStart);
        QCOMPARE(seen.handedOver, handsOver);
        QVERIFY(!existing<FrmSplash>());
        QVERIFY(!existing<FrmConver>());
        QCOMPARE(visibleWindows(), QStringList());
    }

    // Reported in a box titled with the application title, then the end.
    void unhandledErrorIsReportedThenEnds() {
        Seen seen;
        int status = kNeverEnded;
        const auto shown = modals.answerMessageBox([&] { status = runProgram(Ending::UnhandledError, seen); });
        QVERIFY(seen.handedOver);
        QVERIFY(shown);
        QCOMPARE(shown->title, QStringLiteral("Zelvar"));
        QCOMPARE(shown->text, QStringLiteral("Run-time error 6:\n\nOverflow"));
        QCOMPARE(status, 1);
        QVERIFY(!existing<FrmSplash>());
        QVERIFY(!existing<FrmConver>());
    }

    // The identity the program carries while it runs, and the version the
    // splash shows, all from the one project version.
    void identity() {
        Seen seen;
        QCOMPARE(runProgram(Ending::Exit, seen), 0);
        QCOMPARE(seen.version, QStringLiteral("Version " ZELVAR_VERSION_TEXT));
        QCOMPARE(seen.mainTitle, QStringLiteral("Zelvar"));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("zelvar"));
        QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Zelvar"));
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral(ZELVAR_VERSION_TEXT));
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("example.zelvar.Zelvar"));
        const QList<QSize> sizes = QGuiApplication::windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)));
    }
};

ZELVAR_GUI_TEST_MAIN(TstStartup)
#include "tst_startup.moc"
