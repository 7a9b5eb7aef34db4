// SPDX-License-Identifier: GPL-3.0-or-later
// The converter window for a user with German number settings (run with
// LC_ALL=de_DE.UTF-8): results use their separators, the keypad's decimal
// key still types the '.' numbers are read with, and Copy drops the grouping.

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLocale>

#include "frm_conver_fixture.h"

using namespace zelvar;

class TstGermanLocale : public test::FrmConverFixture {
    Q_OBJECT

private slots:
    void initTestCase() {
        QCOMPARE(QLocale::system().decimalPoint(), QStringLiteral(","));
        QCOMPARE(QLocale::system().groupSeparator(), QStringLiteral("."));
    }

    void resultsUseTheUsersSeparators() {
        typeEntry("12345");
        test::pickFromList(units(), "METERS");
        button("cmdConvert").click();
        QCOMPARE(fieldOf("DEKAMETERS").text(), QStringLiteral("1.234,5"));
        QCOMPARE(fieldOf("DECIMETERS").text(), QStringLiteral("123.450,"));
        QCOMPARE(fieldOf("METERS").text(), QStringLiteral("METERS"));
    }

    void keypadDecimalKeyTypesAPoint() {
        typeEntry("1234");
        QTest::keyClick(&entry(), Qt::Key_Comma, Qt::KeypadModifier);
        QTest::keyClick(&entry(), Qt::Key_5, Qt::KeypadModifier);
        QCOMPARE(entry().text(), QStringLiteral("1234.5"));
        test::pickFromList(units(), "METERS");
        button("cmdConvert").click();
        QCOMPARE(fieldOf("DEKAMETERS").text(), QStringLiteral("123,45"));
    }

    void copyDropsTheGrouping() {
        typeEntry("12345");
        test::pickFromList(units(), "METERS");
        button("cmdConvert").click();
        fieldOf("DECIMETERS").actions().at(0)->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("123450,"));
        fieldOf("DEKAMETERS").actions().at(0)->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1234,5"));
    }
};

ZELVAR_GUI_TEST_MAIN(TstGermanLocale)
#include "tst_german_locale.moc"
