// SPDX-License-Identifier: GPL-3.0-or-later
// The words people type for units, and the order of a length's results in
// a desktop's search.
#include <QtTest>

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
    // Every word the program has always read, in any case, and each unit's
    // own name; the listing grouped in unit-list order; never a near miss.
    void unitWords() {
        static const std::pair<const char*, LengthUnit> kAlwaysRead[] = {
            {"league leagues lea", LengthUnit::League},
            {"mile miles mi", LengthUnit::Miles},
            {"furlong furlongs fur", LengthUnit::Furlong},
            {"rod rods rd", LengthUnit::Rods},
            {"yard yards yd", LengthUnit::Yards},
            {"foot feet ft", LengthUnit::Feet},
            {"inch inches in", LengthUnit::Inches},
            {"kilometer kilometers kilometre kilometres km", LengthUnit::Kilometers},
            {"hectometer hectometers hectometre hectometres hm", LengthUnit::Hectometers},
            {"dekameter dekameters dekametre dekametres decameter decameters decametre decametres dam",
             LengthUnit::Dekameters},
            {"meter meters metre metres m", LengthUnit::Meters},
            {"decimeter decimeters decimetre decimetres dm", LengthUnit::Decimeters},
            {"centimeter centimeters centimetre centimetres cm", LengthUnit::Centimeters},
            {"millimeter millimeters millimetre millimetres mm", LengthUnit::Millimeters},
        };
        for (const auto& [words, unit] : kAlwaysRead) {
            for (const QString& word : QString(words).split(' ')) {
                QCOMPARE(unitFromWord(word.toStdString()), unit);
                QCOMPARE(unitFromWord(word.toUpper().toStdString()), unit);
            }
        }
        std::size_t lastUnit = 0;
        for (const UnitWord& entry : zelvar::unitWords()) {
            QVERIFY2(unitIndex(entry.unit) >= lastUnit, entry.word.data());
            lastUnit = unitIndex(entry.unit);
        }
        for (const UnitInfo& info : kUnits)
            QCOMPARE(unitFromWord(info.name), info.unit);
        for (const char* word : {"", "m ", " ft", "mtr", "feets", "parsec", "k m", "\xc3\xa9m", "Fu\xc3\x9f"})
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
