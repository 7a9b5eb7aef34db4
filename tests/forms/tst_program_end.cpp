// SPDX-License-Identifier: GPL-3.0-or-later
// How the program ends: File > Exit and closing the window end the event
// loop; an exception escaping a handler is reported, then ends it too.

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <new>
#include <stdexcept>

#include "forms/frm_conver.h"
#include "gui_test_support.h"
#include "runtime/messages.h"
#include "runtime/program.h"

using namespace zelvar;

namespace {

constexpr int kNeverEnded = 99;

// Runs the application's event loop as main does, with step queued to run in
// it; returns the loop's exit status, or kNeverEnded if nothing ended it.
int runLoop(const std::function<void()>& step) {
    QTimer::singleShot(0, qApp, step);
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(kNeverEnded); });
    safety.start(5000);
    return QApplication::exec();
}

[[noreturn]] void throwKind(int kind) {
    switch (kind) {
    case 0: throw RunTimeErrorRaised(kOverflowError);
    case 1: throw std::bad_alloc();
    case 2: throw std::runtime_error("broken");
    default: throw 42;
    }
}

// A form with one handler that throws.
class ThrowingForm : public QPushButton {
public:
    explicit ThrowingForm(int kind) : QPushButton(QStringLiteral("throw")), kind_(kind) {
        bindHandler(this, &QPushButton::clicked, this, &ThrowingForm::cmdThrow_Click);
    }
    void cmdThrow_Click() { throwKind(kind_); }

private:
    int kind_;
};

// An object whose own event handling throws, outside any bound handler.
class ThrowingObject : public QObject {
public:
    explicit ThrowingObject(int kind) : kind_(kind) {}
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User)
            throwKind(kind_);
        return QObject::event(event);
    }

private:
    int kind_;
};

}  // namespace

// How the user asks to exit.
enum ExitBy { Menu, MenuKeys, Shortcut };

class TstProgramEnd : public QObject {
    Q_OBJECT

    test::ModalWatch modals;
    std::unique_ptr<FrmConver> window;

    void showWindow() {
        window = std::make_unique<FrmConver>();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

private slots:
    void init() { modals.start(); }

    void cleanup() {
        window.reset();
        const QStringList unexpected = modals.stop();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join('\n')));
    }

    void exitEndsTheLoop_data() {
        QTest::addColumn<int>("by");
        QTest::newRow("File > Exit chosen") << int(Menu);
        QTest::newRow("Alt+F, X") << int(MenuKeys);
        QTest::newRow("Ctrl+Q in the entry") << int(Shortcut);
    }

    void exitEndsTheLoop() {
        QFETCH(int, by);
        showWindow();
        FrmConver* w = window.get();
        const int status = runLoop([w, by] {
            if (by == Menu) {
                test::childOf<QAction>(*w, "mnuExitItem").trigger();
                return;
            }
            if (by == Shortcut) {
                QTest::keyClick(&test::childOf<QLineEdit>(*w, "txtUserData"), Qt::Key_Q, Qt::ControlModifier);
                return;
            }
            QTest::keyClick(w, Qt::Key_F, Qt::AltModifier);
            QTimer::singleShot(100, [] {
                if (QWidget* menu = QApplication::activePopupWidget())
                    QTest::keyClick(menu, Qt::Key_X);
            });
        });
        QCOMPARE(status, 0);
        QVERIFY(programEnded());
    }

    void closingTheWindowEndsTheLoop() {
        showWindow();
        FrmConver* w = window.get();
        QCOMPARE(runLoop([w] { w->close(); }), 0);
    }

    void escapedExceptionIsReportedThenEnds_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("run-time error") << 0 << "Run-time error 6:\n\nOverflow";
        QTest::newRow("out of memory") << 1 << "Run-time error 7:\n\nOut of memory";
        QTest::newRow("standard exception") << 2 << "Run-time error 51:\n\nInternal error: broken";
        QTest::newRow("anything else") << 3 << "Run-time error 51:\n\nInternal error";
    }

    // A form whose handler throws, clicked inside the running loop.
    void escapedExceptionIsReportedThenEnds() {
        QFETCH(int, kind);
        QFETCH(QString, text);
        ThrowingForm form(kind);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        int status = kNeverEnded;
        const auto shown =
            modals.answerMessageBox([&] { status = runLoop([&form] { QTest::mouseClick(&form, Qt::LeftButton); }); });
        QVERIFY(shown);
        QCOMPARE(shown->title, QStringLiteral("Zelvar"));
        QCOMPARE(shown->text, text);
        QCOMPARE(shown->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(status, 1);
    }

    // Whatever else throws while an event is delivered is caught by the
    // application object and handled the same way.
    void exceptionOutsideHandlersIsReportedThenEnds_data() { escapedExceptionIsReportedThenEnds_data(); }
    void exceptionOutsideHandlersIsReportedThenEnds() {
        QFETCH(int, kind);
        QFETCH(QString, text);
        ThrowingObject object(kind);
        int status = kNeverEnded;
        const auto shown = modals.answerMessageBox(
            [&] { status = runLoop([&object] { QCoreApplication::postEvent(&object, new QEvent(QEvent::User)); }); });
        QVERIFY(shown);
        QCOMPARE(shown->text, text);
        QCOMPARE(status, 1);
    }

    void runReportsAFailedStartWithoutLooping() {
        auto& app = static_cast<FormApplication&>(*qApp);
        int status = kNeverEnded;
        const auto shown =
            modals.answerMessageBox([&] { status = app.run([] { throw RunTimeErrorRaised(kOverflowError); }); });
        QVERIFY(shown);
        QCOMPARE(shown->text, QStringLiteral("Run-time error 6:\n\nOverflow"));
        QCOMPARE(status, 1);
    }

    void runShowsTheWindowAndLoopsUntilExit() {
        auto& app = static_cast<FormApplication&>(*qApp);
        QTimer::singleShot(50, [this] { test::childOf<QAction>(*window, "mnuExitItem").trigger(); });
        const int status = app.run([this] {
            window = std::make_unique<FrmConver>();
            window->show();
        });
        QCOMPARE(status, 0);
        QVERIFY(window->isVisible());
    }
};

ZELVAR_GUI_TEST_MAIN(TstProgramEnd)
#include "tst_program_end.moc"
