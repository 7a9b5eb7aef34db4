// SPDX-License-Identifier: GPL-3.0-or-later
// The splash window: its layout and texts as loaded, and the hand-over to the
// converter window by the timer or a key, once; nothing else hands over.

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

int px(int twips) {
    return twips / 15;
}

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
        auto* found = splash->findChild<Control*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return *found;
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
        QCOMPARE(main->findChild<QComboBox*>(QStringLiteral("cboMeasures"))->count(), 14);
        QCOMPARE(main->findChild<QLineEdit*>(QStringLiteral("txtUserData"))->text(), QString());
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
        QCOMPARE(splash->size(), QSize(492, 283));
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
        QCOMPARE(control<QLabel>("imgLogo").pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
                 imageOf(logo, 32));
    }

    void label_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("right");  // aligned right: edge is its right edge
        QTest::addColumn<int>("edge");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("weight");
        QTest::addColumn<QColor>("colour");
        const QColor text = QApplication::palette().color(QPalette::WindowText);
        QTest::newRow("web address") << "Label2"
                                     << "https://zelvar.example/" << false << 2400 << 180 << 240 << "Arial" << 9.75
                                     << 700 << QColor(255, 0, 0);
        QTest::newRow("e-mail") << "Label1"
                                << "feedback@zelvar.example" << false << 4920 << 3810 << 195 << "MS Sans Serif" << 8.25
                                << 400 << text;
        QTest::newRow("copyright") << "lblCopyright"
                                   << "Copyright (C) 2026 The Zelvar Authors. All rights reserved." << false << 2280
                                   << 3210 << 210 << "Arial" << 8.25 << 400 << text;
        QTest::newRow("version") << "lblVersion"
                                 << "Version " ZELVAR_VERSION_TEXT << true << 6405 << 2010 << 285 << "Arial" << 12.0
                                 << 700 << text;
        QTest::newRow("platform") << "lblPlatform"
                                  << "Windows 95" << true << 3900 << 1950 << 360 << "Arial" << 15.75 << 700 << text;
    }

    // Each label as wide as its text, its aligned edge where the table puts it.
    void label() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(bool, right);
        QFETCH(int, edge);
        QFETCH(int, top);
        QFETCH(int, height);
        QFETCH(QString, family);
        QFETCH(double, points);
        QFETCH(int, weight);
        QFETCH(QColor, colour);
        auto& label = control<AutoSizeLabel>(qPrintable(name));
        QCOMPARE(label.text(), text);
        QCOMPARE(label.frameShape(), QFrame::NoFrame);
        const QRect area = label.geometry();
        QCOMPARE(right ? area.right() + 1 : area.left(), px(edge));
        QCOMPARE(area.top(), px(top));
        QCOMPARE(area.height(), px(height));
        QCOMPARE(area.width(), label.widthFor(text));
        QVERIFY(label.fontMetrics().horizontalAdvance(text) <= area.width());
        QCOMPARE(bool(label.alignment() & Qt::AlignRight), right);
        QCOMPARE(label.font().family(), family);
        QCOMPARE(label.font().pointSizeF(), points);
        QCOMPARE(label.font().weight(), QFont::Weight(weight));
        QVERIFY(!label.font().italic());
        QCOMPARE(label.palette().color(label.foregroundRole()), colour);

        // Opaque: button face over the backdrop, which shows when it is hidden.
        const QRect inside = area.intersected(splash->rect());
        QVERIFY(pixelsOf(shown(), inside, buttonFace()) > inside.width() * inside.height() / 2);
        label.hide();
        QVERIFY(pixelsOf(shown(), inside, buttonFace()) < inside.width() * inside.height() / 2);
        label.show();
    }

    void picture_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("area");  // pixels
        QTest::addColumn<QSize>("source");
        QTest::newRow("banner") << "Image2" << QRect(88, 48, 334, 72) << QSize(500, 100);
        QTest::newRow("logo, cut at the left") << "imgLogo" << QRect(-8, 128, 121, 159) << QSize(32, 32);
        QTest::newRow("backdrop") << "Image1" << QRect(0, 0, 490, 286) << QSize(800, 177);
    }

    void picture() {
        QFETCH(QString, name);
        QFETCH(QRect, area);
        QFETCH(QSize, source);
        auto& picture = control<QLabel>(qPrintable(name));
        QCOMPARE(picture.geometry(), area);
        QCOMPARE(picture.pixmap().size(), source);
        QVERIFY(picture.hasScaledContents());
    }

    // Front to back as in the form; the backdrop lies beneath everything.
    void stackingOrder() {
        QStringList backToFront;
        for (QObject* child : splash->children()) {
            if (child->isWidgetType())
                backToFront << child->objectName();
        }
        QCOMPARE(backToFront, QStringList({"Image1", "imgLogo", "lblPlatform", "lblVersion", "lblCopyright", "Image2",
                                           "Label1", "Label2"}));
        for (QWidget* child : splash->findChildren<QWidget*>())
            QCOMPARE(child->focusPolicy(), Qt::NoFocus);
    }

    // Button face shows only in the strip right of the backdrop.
    void backdropLeavesAStripAtTheRight() {
        const QImage image = shown();
        QCOMPARE(pixelsOf(image, QRect(490, 0, 2, 283), buttonFace()), 2 * 283);
        QVERIFY(pixelsOf(image, QRect(0, 0, 88, 40), buttonFace()) < 88 * 40 / 10);
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

    // Form_Load writes the application's version before the window shows; by
    // the first paint the label has grown to the left to fit it, its right
    // edge staying at 6405 twips.
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
        QCOMPARE(label.geometry().right() + 1, px(6405));
        showForm(*splash);
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QCOMPARE(label.geometry().right() + 1, px(6405));
        QCOMPARE(label.width(), label.widthFor(text));
    }

    void timerRunsFromLoad() {
        auto& timer = control<QTimer>("Timer1");
        QVERIFY(timer.isActive());
        QCOMPARE(timer.interval(), 4000);
        QCOMPARE(timer.timerType(), Qt::PreciseTimer);
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
        QCOMPARE(mainWindows().front()->findChild<QLineEdit*>(QStringLiteral("txtUserData"))->text(),
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
        QCOMPARE(frmConver().findChild<QLineEdit*>(QStringLiteral("txtUserData"))->text(), QString());
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
