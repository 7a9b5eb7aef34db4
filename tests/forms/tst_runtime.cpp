// The runtime's pure helpers: layout units and the user's number separators.

#include <QtTest>

#include "runtime/number_separators.h"
#include "runtime/twips.h"

using namespace zelvar;

class TstRuntime : public QObject {
    Q_OBJECT

private slots:
    void twips_data() {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("one pixel") << 15 << 1;
        QTest::newRow("below half") << 7 << 0;
        QTest::newRow("half rounds up") << 8 << 1;
        QTest::newRow("client width") << 6600 << 440;
        QTest::newRow("negative") << -120 << -8;
        QTest::newRow("negative half") << -8 << -1;
    }

    void twips() {
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QCOMPARE(twipsToPixels(twips), pixels);
        // Each edge rounds on its own, so neighbours keep sharing an edge.
        QCOMPARE(twipsRect(0, 0, 7, 15).right() + 1, twipsRect(7, 0, 8, 15).left());
    }

    void separatorsOfALocale_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("thousands");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("plain");
        const QLocale us(QLocale::English, QLocale::UnitedStates), german(QLocale::German, QLocale::Germany);
        QTest::newRow("US English") << us << "," << "." << "-1,234,567.25" << "-1234567.25";
        QTest::newRow("German") << german << "." << "," << "1.234.567,25" << "1234567,25";
        QTest::newRow("unit name") << us << "," << "." << "FEET" << "FEET";
    }

    // The separators results are rendered with, and a copy without the grouping.
    void separatorsOfALocale() {
        QFETCH(QLocale, locale);
        QFETCH(QString, thousands);
        QFETCH(QString, decimal);
        QFETCH(QString, shown);
        QFETCH(QString, plain);
        const NumberSeparators separators = numberSeparatorsOf(locale);
        QCOMPARE(QString::fromStdString(separators.thousands), thousands);
        QCOMPARE(QString::fromStdString(separators.decimal), decimal);
        QCOMPARE(withoutThousandsSeparators(shown, separators), plain);
    }

    void narrowSpaceGroupingIsDropped() {
        const NumberSeparators separators{"\u202F", ","};
        QCOMPARE(withoutThousandsSeparators(QString::fromUtf8("12\u202F345,5"), separators), QStringLiteral("12345,5"));
    }
};

QTEST_MAIN(TstRuntime)
#include "tst_runtime.moc"
