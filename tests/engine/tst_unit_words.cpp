// SPDX-License-Identifier: GPL-3.0-or-later
// The words people type for units, and the order of a length's results in
// a desktop's search.
#include <QtTest>

#include <cctype>
#include <string>

#include "engine/result_order.h"
#include "engine/unit_words.h"

using namespace zelvar;

namespace {

QString names(const std::vector<LengthUnit>& units) {
    QStringList list;
    for (const LengthUnit unit : units)
        list << QString::fromUtf8(unitName(unit).data(), qsizetype(unitName(unit).size()));
    return list.join(u' ');
}

}  // namespace

class TstUnitWords : public QObject {
    Q_OBJECT

private slots:
    // Every word of the table, in any case, and each unit's own name; never a
    // near miss, nor a non-ASCII byte taken for a letter.
    void unitWords() {
        std::size_t lastUnit = 0;
        for (const UnitWord& entry : zelvar::unitWords()) {
            std::string upper(entry.word);
            for (char& c : upper)
                c = char(std::toupper(static_cast<unsigned char>(c)));
            QCOMPARE(unitFromWord(entry.word), entry.unit);
            QCOMPARE(unitFromWord(upper), entry.unit);
            QVERIFY2(unitIndex(entry.unit) >= lastUnit, entry.word.data());  // grouped in unit-list order
            lastUnit = unitIndex(entry.unit);
        }
        for (const UnitInfo& info : kUnits)
            QCOMPARE(unitFromWord(info.name), info.unit);
        for (const char* word : {"", "m ", " ft", "mtr", "feets", "parsec", "k m", "\xc3\xa9m", "MM\xcc\x81"})
            QCOMPARE(unitFromWord(word), std::nullopt);
    }

    void resultOrder_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<float>("entered");
        QTest::addColumn<QString>("order");
        const QString fiveFeet = "METERS CENTIMETERS MILLIMETERS KILOMETERS INCHES YARDS MILES DECIMETERS RODS "
                                 "DEKAMETERS HECTOMETERS FURLONG LEAGUE";
        QTest::newRow("5 ft: 1.524 m, 152.4 cm") << "FEET" << 5.0f << fiveFeet;
        QTest::newRow("-5 ft: by magnitude") << "FEET" << -5.0f << fiveFeet;
        QTest::newRow("1.5 km: none in range, miles nearest")
            << "KILOMETERS" << 1.5f
            << "MILES YARDS FEET INCHES METERS CENTIMETERS MILLIMETERS FURLONG RODS HECTOMETERS DEKAMETERS LEAGUE "
               "DECIMETERS";
        QTest::newRow("zero: every figure in range")
            << "METERS" << 0.0f
            << "INCHES FEET YARDS MILES CENTIMETERS MILLIMETERS KILOMETERS LEAGUE FURLONG RODS HECTOMETERS "
               "DEKAMETERS DECIMETERS";
        QTest::newRow("overflow: none") << "LEAGUE" << 1e38f << QString();
    }
    void resultOrder() {
        QFETCH(QString, source);
        QFETCH(float, entered);
        QTEST(names(unitsByUsefulness(*unitFromName(source.toStdString()), entered)), "order");
    }
};

QTEST_APPLESS_MAIN(TstUnitWords)
#include "tst_unit_words.moc"
