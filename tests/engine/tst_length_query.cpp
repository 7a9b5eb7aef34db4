// SPDX-License-Identifier: GPL-3.0-or-later
// A length typed as words, as a desktop's search and the terminal read it:
// the unit words, the query's forms, and the order of its results.
#include <QtTest>

#include <cctype>
#include <string>

#include "engine/length_query.h"
#include "engine/read_number.h"
#include "engine/result_order.h"
#include "engine/unit_words.h"
#include "runtime/qt_text.h"

using namespace zelvar;

Q_DECLARE_METATYPE(std::string)

namespace {

// A reader for a locale that groups digits with spaces: "1 234" is 1234.
std::optional<float> readGrouped(std::string_view text) {
    std::string digits(text);
    std::erase(digits, ' ');
    const std::optional<double> value = ReadWholeNumber(digits);
    return value ? std::optional(static_cast<float>(*value)) : std::nullopt;
}

// "NUMBER|UNIT|TARGET", or "" for no length.
QString described(const std::optional<LengthQuery>& query) {
    if (!query)
        return {};
    const std::string target = query->target ? std::string(unitName(*query->target)) : "";
    return QString::fromStdString(query->number + '|' + std::string(unitName(query->unit)) + '|' + target);
}

QString names(const std::vector<LengthUnit>& units) {
    QStringList list;
    for (const LengthUnit unit : units)
        list << qtText(unitName(unit));
    return list.join(u' ');
}

}  // namespace

class TstLengthQuery : public QObject {
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

    void queries_data() {
        QTest::addColumn<std::string>("text");
        QTest::addColumn<QString>("read");  // "NUMBER|UNIT|TARGET"; empty: no length
        QTest::newRow("number and unit") << std::string("5 ft") << "5|FEET|";
        QTest::newRow("no space") << std::string("5ft") << "5|FEET|";
        QTest::newRow("the longest word that leaves a number") << std::string("5mm") << "5|MILLIMETERS|";
        QTest::newRow("British plural, mixed case") << std::string("2.5 Metres") << "2.5|METERS|";
        QTest::newRow("grouped number") << std::string("1 234 km") << "1 234|KILOMETERS|";
        QTest::newRow("in a unit") << std::string("5 ft in m") << "5|FEET|METERS";
        QTest::newRow("five inches") << std::string("5 in") << "5|INCHES|";
        QTest::newRow("inches in") << std::string("5 in in cm") << "5|INCHES|CENTIMETERS";
        QTest::newRow("AS, any case") << std::string("2 Miles AS Yards") << "2|MILES|YARDS";
        QTest::newRow("to, no space") << std::string("3mi to km") << "3|MILES|KILOMETERS";
        QTest::newRow(">") << std::string("3 mi > km") << "3|MILES|KILOMETERS";
        QTest::newRow("= and runs of spaces") << std::string("  -0.5   inch =  cm ") << "-0.5|INCHES|CENTIMETERS";
        QTest::newRow("overflowing value") << std::string("1E38 lea") << "1E38|LEAGUE|";
        for (const char* refused :
             {"", "   ", "firefox", "5", "ft", "5 apples", "in", "5 ft in", "5 ft in feet", "ft 5", "5 ft in parsec",
              "5\tft", "5 ft\x1b", "5 ft\x7f", "x5 ft", "5 kilometress"})
            QTest::newRow(refused) << std::string(refused) << QString();
        QTest::newRow("too long") << std::string(kLongestLengthQuery - 2, '1') + " ft" << QString();
    }
    // What a query reads as.
    void queries() {
        QFETCH(std::string, text);
        QTEST(described(readLengthQuery(text, readGrouped)), "read");
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

QTEST_APPLESS_MAIN(TstLengthQuery)
#include "tst_length_query.moc"
