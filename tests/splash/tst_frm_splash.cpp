// SPDX-License-Identifier: GPL-3.0-or-later
// The splash window: the texts a user reads on it, whole, and the hand-over to
// the converter window by the timer, a key or a click, once; nothing else
// hands over.

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>

#include "forms/forms.h"
#include "gui_test_support.h"
#include "runtime/controls.h"
#include "runtime/form_life.h"
#include "zelvar_identity.h"
#include "zelvar_project.h"

using namespace zelvar;

namespace {

QList<FrmConver*> mainWindows() {
    QList<FrmConver*> found;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<FrmConver*>(w))
            found << window;
    }
    return found;
}

// How many pixels of the rectangle show the colour.
int pixelsOf(const QImage& image, const QRect& area, QColor colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixelColor(x, y) == colour;
    }
    return count;
}

QImage imageOf(const QIcon& icon, int size) {
    return icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
}

// Notes whether a converter window was on screen when the splash went.
class HideWatch : public QObject {
public:
    std::optional<bool> mainWindowShown;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide && !mainWindowShown)
            mainWindowShown = !mainWindows().isEmpty() && mainWindows().front()->isVisible();
        return false;
    }
};

}  // namespace

class TstFrmSplash : public QObject {
    Q_OBJECT

    test::ModalWatch modals;
    QPointer<FrmSplash> splash;
    HideWatch hideWatch;

    template <typename Control = QWidget> Control& control(const char* name) {
        return test::childOf<Control>(*splash, QString::fromLatin1(name));
    }

    QImage shown() { return splash->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QColor buttonFace() { return splash->palette().color(QPalette::Button); }

    // The hand-over is done: one converter window, active, loaded, with
    // nothing typed into it, and the splash window gone for good.
    void verifyHandedOver() {
        QTRY_COMPARE(mainWindows().size(), qsizetype(1));
        FrmConver* main = mainWindows().front();
        QVERIFY(main->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), main);
        QTRY_VERIFY(splash.isNull());
        // The program is never without a window: the converter window came first.
        QCOMPARE(hideWatch.mainWindowShown, std::optional(true));
        QCOMPARE(test::childOf<QComboBox>(*main, QStringLiteral("cboMeasures")).count(), 14);
        QCOMPARE(test::childOf<QLineEdit>(*main, QStringLiteral("txtUserData")).text(), QString());
        QCOMPARE(test::focusedControl(), QStringLiteral("txtUserData"));
    }

    void verifyStillSplash() {
        QTest::qWait(200);
        QVERIFY(!splash.isNull());
        QVERIFY(splash->isVisible());
        QVERIFY(mainWindows().isEmpty());
    }

private slots:
    void initTestCase() { FormApplication::current().setProject(zelvarProject()); }

    void init() {
        modals.start();
        splash = &frmSplash();
        showForm(*splash);
        QVERIFY(QTest::qWaitForWindowActive(splash));
        hideWatch.mainWindowShown.reset();
        splash->installEventFilter(&hideWatch);
    }

    void cleanup() {
        unloadAllForms();
        QVERIFY(splash.isNull());
        QVERIFY(mainWindows().isEmpty());
        const QStringList unexpected = modals.stop();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join('\n')));
    }

    void theWindow() {
        QCOMPARE(splash->objectName(), QStringLiteral("frmSplash"));
        QCOMPARE(splash->windowTitle(), QString());
        QCOMPARE(splash->accessibleName(), QStringLiteral("Zelvar " ZELVAR_VERSION_TEXT));
        // Frameless, yet an ordinary window that can take the keyboard.
        QCOMPARE(splash->windowType(), Qt::Window);
        QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(splash->minimumSize(), splash->maximumSize());
        const QPoint offCentre = splash->geometry().center() - splash->screen()->availableGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 2, "centred on the screen");

        // Its icon is the one imgLogo shows, not the application's.
        const QIcon logo(QStringLiteral(":/pictures/splash-logo.ico"));
        const QList<QSize> sizes = splash->windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(32, 32)) && sizes.contains(QSize(16, 16)));
        QCOMPARE(imageOf(splash->windowIcon(), 32), imageOf(logo, 32));
        QCOMPARE(imageOf(splash->windowIcon(), 16), imageOf(logo, 16));
        QVERIFY(imageOf(splash->windowIcon(), 32) != imageOf(QApplication::windowIcon(), 32));
        auto& imgLogo = control<QLabel>("imgLogo");
        QCOMPARE(test::drawnBy(imgLogo),
                 test::drawnByQLabel(QStringLiteral(":/pictures/splash-logo.ico"), imgLogo.size()));
        // No control takes the keyboard from the window, whose keys hand over.
        for (QWidget* child : splash->findChildren<QWidget*>())
            QCOMPARE(child->focusPolicy(), Qt::NoFocus);
    }

    void textReadWhole_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("homepage") << "Label2"
                                  << "https://zelvar.example/";
        QTest::newRow("feedback address") << "Label1"
                                          << "feedback@zelvar.example";
        QTest::newRow("copyright") << "lblCopyright"
                                   << "Copyright (C) 2026 The Zelvar Authors. All rights reserved.";
        QTest::newRow("version") << "lblVersion"
                                 << "Version " ZELVAR_VERSION_TEXT;
        QTest::newRow("platform") << "lblPlatform"
                                  << "Windows 95";
    }

    // Each text exactly, whole inside its label and the window, on an opaque
    // ground of button face that hides the backdrop behind it.
    void textReadWhole() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        auto& label = control<QLabel>(qPrintable(name));
        QCOMPARE(label.text(), text);
        QVERIFY(label.fontMetrics().horizontalAdvance(text) <= label.contentsRect().width() - 2 * label.margin());
        const QRect area = label.geometry();
        QVERIFY(splash->rect().contains(area));

        QVERIFY(pixelsOf(shown(), area, buttonFace()) > area.width() * area.height() / 2);
        label.hide();
        QVERIFY(pixelsOf(shown(), area, buttonFace()) < area.width() * area.height() / 2);
        label.show();
    }

    // Where the banner's transparent colour lies the backdrop shows, unchanged.
    void bannerShowsTheBackdropThroughItsTransparentColour() {
        auto& banner = control<QLabel>("Image2");
        const QRect area = banner.geometry();
        const QImage alpha = banner.pixmap()
                                 .toImage()
                                 .convertToFormat(QImage::Format_ARGB32)
                                 .scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // Clear: transparent with all its neighbours, away from smoothed edges.
        const auto clearAt = [&alpha](int x, int y) {
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    if (alpha.valid(x + dx, y + dy) && qAlpha(alpha.pixel(x + dx, y + dy)) != 0)
                        return false;
                }
            }
            return true;
        };
        const QImage withBanner = shown();
        banner.hide();
        const QImage withoutBanner = shown();
        banner.show();
        int clear = 0, solid = 0, clearSame = 0, solidChanged = 0;
        for (int y = 0; y < area.height(); ++y) {
            for (int x = 0; x < area.width(); ++x) {
                const QPoint at = area.topLeft() + QPoint(x, y);
                const bool same = withBanner.pixel(at) == withoutBanner.pixel(at);
                if (clearAt(x, y)) {
                    ++clear;
                    clearSame += same;
                } else if (qAlpha(alpha.pixel(x, y)) == 255) {
                    ++solid;
                    solidChanged += !same;
                }
            }
        }
        QVERIFY2(clear > area.width() * area.height() / 4, "the banner has a transparent ground");
        QCOMPARE(clearSame, clear);
        QVERIFY(solidChanged > solid / 2);
    }

    void versionLabel_data() {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("revision");
        QTest::addColumn<QString>("text");
        QTest::newRow("this version") << ZELVAR_VERSION_MAJOR << ZELVAR_VERSION_MINOR << ZELVAR_VERSION_REVISION
                                      << "Version " ZELVAR_VERSION_TEXT;
        QTest::newRow("zeros") << 0 << 0 << 0 << "Version 0.0.0";
        QTest::newRow("no leading zeros") << 10 << 0 << 7 << "Version 10.0.7";
        QTest::newRow("widest") << 9999 << 9999 << 9999 << "Version 9999.9999.9999";
    }

    // Form_Load writes the application's version before the window shows;
    // by the first paint the label has grown to the left to fit it whole, its
    // right edge staying where the layout put it.
    void versionLabel() {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, revision);
        QFETCH(QString, text);
        unloadAllForms();
        ProjectHeader project = zelvarProject();
        project.major = std::int16_t(major);
        project.minor = std::int16_t(minor);
        project.revision = std::int16_t(revision);
        FormApplication::current().setProject(project);
        splash = &frmSplash();
        FormApplication::current().setProject(zelvarProject());
        QVERIFY(!splash->isVisible());
        auto& label = control<AutoSizeLabel>("lblVersion");
        QCOMPARE(label.text(), text);
        QCOMPARE(label.toolTip(), text);
        const int rightEdge = label.geometry().right();
        showForm(*splash);
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QCOMPARE(label.geometry().right(), rightEdge);
        QVERIFY(label.fontMetrics().horizontalAdvance(text) <= label.contentsRect().width());
        QVERIFY(splash->rect().contains(label.geometry()));
    }

    void handOverByKey_data() {
        QTest::addColumn<QString>("target");  // empty: the window with the keyboard focus
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::newRow("letter") << "" << int(Qt::Key_X) << int(Qt::NoModifier) << "x";
        QTest::newRow("Space") << "" << int(Qt::Key_Space) << int(Qt::NoModifier) << " ";
        QTest::newRow("Enter") << "" << int(Qt::Key_Return) << int(Qt::NoModifier) << "\r";
        QTest::newRow("Esc") << "" << int(Qt::Key_Escape) << int(Qt::NoModifier) << "\x1b";
        QTest::newRow("Ctrl+Q") << "" << int(Qt::Key_Q) << int(Qt::ControlModifier) << "\x11";
        // Key preview: the window sees the key whichever of its controls gets it.
        QTest::newRow("letter at a label") << "lblVersion" << int(Qt::Key_M) << int(Qt::NoModifier) << "m";
    }

    // The key brings up the converter window at once and goes no further: it
    // is not typed there, though the next key is.
    void handOverByKey() {
        QFETCH(QString, target);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QWidget* receiver = target.isEmpty() ? nullptr : &control(qPrintable(target));
        QTest::sendKeyEvent(QTest::Click, receiver, Qt::Key(key), text, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(mainWindows().size(), qsizetype(1));  // at once
        verifyHandedOver();
        QTest::sendKeyEvent(QTest::Click, static_cast<QWidget*>(nullptr), Qt::Key_8, QStringLiteral("8"),
                            Qt::NoModifier);
        QCOMPARE(test::childOf<QLineEdit>(*mainWindows().front(), QStringLiteral("txtUserData")).text(),
                 QStringLiteral("8"));
    }

    void keysThatTypeNothingDoNotHandOver_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("arrow") << int(Qt::Key_Left) << int(Qt::KeypadModifier);
        QTest::newRow("F1") << int(Qt::Key_F1) << int(Qt::NoModifier);
        QTest::newRow("Shift alone") << int(Qt::Key_Shift) << int(Qt::ShiftModifier);
        QTest::newRow("Delete") << int(Qt::Key_Delete) << int(Qt::NoModifier);
    }

    void keysThatTypeNothingDoNotHandOver() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        verifyStillSplash();
    }

    void mouseClickHandsOver_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("button");
        QTest::newRow("backdrop") << "Image1" << int(Qt::LeftButton);
        QTest::newRow("version") << "lblVersion" << int(Qt::LeftButton);
        QTest::newRow("right button") << "Image1" << int(Qt::RightButton);
    }

    // A click hands over once, and the click is not passed on to the
    // converter window.
    void mouseClickHandsOver() {
        QFETCH(QString, target);
        QFETCH(int, button);
        QTest::mouseClick(&control(qPrintable(target)), Qt::MouseButton(button));
        QCOMPARE(mainWindows().size(), qsizetype(1));  // at once
        verifyHandedOver();
    }

    // Two keys before the first is done with, then the timer's moment: still
    // one converter window, and no timer left to fire.
    void handsOverOnce() {
        QPointer<QTimer> timer = &control<QTimer>("Timer1");
        QTest::keyClick(splash, Qt::Key_A);
        QTest::keyClick(splash, Qt::Key_B);
        QCOMPARE(mainWindows().size(), qsizetype(1));
        QVERIFY(!timer || !timer->isActive());
        verifyHandedOver();
        QVERIFY(timer.isNull());
        QCOMPARE(test::childOf<QLineEdit>(frmConver(), QStringLiteral("txtUserData")).text(), QString());
    }

    // Without input the timer hands over: its first tick, and nothing
    // before it, brings up the converter window.
    void handOverByTimer() {
        QSignalSpy ticks(&control<QTimer>("Timer1"), &QTimer::timeout);
        QVERIFY(mainWindows().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!mainWindows().isEmpty(), 10000);
        QCOMPARE(ticks.count(), 1);
        verifyHandedOver();
    }

    // Closed before it hands over, the splash leaves no window behind.
    void closingTheSplashCreatesNoMainWindow() {
        splash->close();
        QTRY_VERIFY(splash.isNull());
        QVERIFY(mainWindows().isEmpty());
    }
};

ZELVAR_GUI_TEST_MAIN(TstFrmSplash)
#include "tst_frm_splash.moc"
