// SPDX-License-Identifier: GPL-3.0-or-later
// Work put off until a window's first paint: it has not run before the window
// is shown, it runs once, and the first paint already shows what it did.

#include <QtTest>

#include "gui_test_support.h"
#include "runtime/controls.h"
#include "runtime/form_life.h"

using namespace zelvar;

namespace {

// Remembers what its first paint found.
class PaintProbe : public QWidget {
public:
    using QWidget::QWidget;
    std::function<bool()> ready;
    int paints = 0;
    bool readyAtFirstPaint = false;

protected:
    void paintEvent(QPaintEvent*) override {
        if (paints++ == 0)
            readyAtFirstPaint = ready && ready();
    }
};

}  // namespace

class TstFirstPaint : public QObject {
    Q_OBJECT

private slots:
    void runsOnceBeforeTheFirstPaint_data() {
        QTest::addColumn<bool>("nativeWindowFirst");
        QTest::newRow("window not yet made") << false;
        QTest::newRow("native window made, not shown") << true;
    }

    void runsOnceBeforeTheFirstPaint() {
        QFETCH(bool, nativeWindowFirst);
        QWidget window;
        window.resize(200, 100);
        if (nativeWindowFirst)
            window.winId();
        auto* probe = new PaintProbe(&window);
        probe->setGeometry(10, 10, 50, 50);
        QStringList ran;
        beforeFirstPaint(window, [&] { ran << "first"; });
        beforeFirstPaint(window, [&] { ran << "second"; });
        probe->ready = [&] { return ran.size() == 2; };
        QVERIFY(ran.isEmpty());

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(probe->paints > 0);
        QCOMPARE(ran, QStringList({"first", "second"}));  // in the order asked for
        QVERIFY(probe->readyAtFirstPaint);

        // Hidden and shown again, the window is exposed again: nothing runs again.
        window.hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(ran.size(), 2);
    }

    void runsAtOnceOnAnExposedWindow() {
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        bool ran = false;
        beforeFirstPaint(window, [&] { ran = true; });
        QVERIFY(ran);
    }

    void neverRunsForAWindowNeverShown() {
        bool ran = false;
        {
            QWidget window;
            beforeFirstPaint(window, [&] { ran = true; });
        }
        QCoreApplication::processEvents();
        QVERIFY(!ran);
    }

    // A picture is decoded for the first paint, and kept only as stretched.
    void pictureDecodedForTheFirstPaint() {
        const QString file = QStringLiteral(":/pictures/splash-banner.gif");
        QWidget window;
        window.resize(300, 200);
        auto* picture = new PictureBox(file, &window);
        picture->setGeometry(0, 0, 100, 50);
        QVERIFY(picture->pixmap().isNull());
        QVERIFY(picture->hasScaledContents());

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(picture->pixmap().size(), QSize(100, 50) * picture->devicePixelRatioF());
        QCOMPARE(test::drawnBy(*picture), test::drawnByQLabel(file, picture->size()));
        picture->resize(200, 30);
        QCOMPARE(test::drawnBy(*picture), test::drawnByQLabel(file, picture->size()));
    }

    void aMissingPictureLeavesTheBoxEmpty() {
        QWidget window;
        auto* picture = new PictureBox(QStringLiteral(":/no/such/picture.png"), &window);
        picture->setGeometry(0, 0, 40, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(picture->pixmap().isNull());
        QCOMPARE(picture->geometry(), QRect(0, 0, 40, 40));
    }

    // Captions set before the window shows are measured at its first paint,
    // the aligned edge staying; afterwards a caption is measured at once.
    void labelFittedAtFirstPaint_data() {
        QTest::addColumn<bool>("right");
        QTest::newRow("aligned left") << false;
        QTest::newRow("aligned right") << true;
    }

    void labelFittedAtFirstPaint() {
        QFETCH(bool, right);
        QWidget window;
        window.resize(400, 100);
        auto* label = new AutoSizeLabel(&window);
        label->setAlignment((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        const QRect box(100, 10, 30, 20);
        label->setGeometry(box);
        label->fitAtFirstPaint();
        const QString caption = QStringLiteral("A caption much wider than thirty pixels");
        label->setCaption(caption);
        QCOMPARE(label->geometry(), box);
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->toolTip(), caption);

        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const int width = label->widthFor(caption);
        QVERIFY(width > box.width());
        QCOMPARE(label->width(), width);
        QCOMPARE(right ? label->geometry().right() : label->geometry().left(), right ? box.right() : box.left());
        QCOMPARE(label->geometry().top(), box.top());
        QCOMPARE(label->height(), box.height());

        label->setCaption(QString());
        QCOMPARE(label->width(), label->widthFor(QString()));
        QCOMPARE(right ? label->geometry().right() : label->geometry().left(), right ? box.right() : box.left());
    }
};

QTEST_MAIN(TstFirstPaint)
#include "tst_first_paint.moc"
