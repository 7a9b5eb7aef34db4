// SPDX-License-Identifier: GPL-3.0-or-later
// The CONVERT logic as a whole: typed text and unit name in, fourteen
// captions (or an overflow, or nothing) out.
#include <QtTest>

#include <array>
#include <string>

#include "engine/convert.h"

using namespace zelvar;

using Captions = std::array<std::string, kUnitCount>;
Q_DECLARE_METATYPE(Captions)
Q_DECLARE_METATYPE(std::string)

namespace {

QString describe(const Captions& captions) {
    QStringList parts;
    for (const std::string& caption : captions)
        parts << QString::fromStdString(caption);
    return parts.join(" | ");
}

Captions zeroRow(LengthUnit source) {
    Captions row;
    row.fill(".");
    row[unitIndex(source)] = unitName(source);
    return row;
}

}  // namespace

class TestConvert : public QObject {
    Q_OBJECT

private slots:
    // Whole rows, every value worked out by hand from the table.
    void convertedRows_data() {
        QTest::addColumn<std::string>("typed");
        QTest::addColumn<std::string>("unit");
        QTest::addColumn<Captions>("expected");
        QTest::newRow("1 LEAGUE") << std::string("1") << std::string("LEAGUE")
                                  << Captions{"LEAGUE",    "3.",        "24.",       "960.",      "5,280.",
                                              "15,840.",   "190,080.",  "4.828",     "48.2803",   "482.8032",
                                              "4,828.032", "48,280.32", "482,803.2", "4,828,032."};
        QTest::newRow("1 KILOMETERS") << std::string("1") << std::string("KILOMETERS")
                                      << Captions{".2071",      ".6213",       "4.9704",     "198.8388",  "1,093.6133",
                                                  "3,280.8399", "39,370.0788", "KILOMETERS", "10.",       "100.",
                                                  "1,000.",     "10,000.",     "100,000.",   "1,000,000."};
        QTest::newRow("1 MILLIMETERS") << std::string("1") << std::string("MILLIMETERS")
                                       << Captions{".", ".",      ".",     ".0002", ".00109", ".0033", ".0394",
                                                   ".", ".00001", ".0001", ".001",  ".01",    ".1",    "MILLIMETERS"};
        QTest::newRow("-2.5 FEET") << std::string("-2.5") << std::string("FEET")
                                   << Captions{"-.00016", "-.00047", "-.00375", "-.1515", "-.83333", "FEET",  "-30.",
                                               "-.00076", "-.00762", "-.0762",  "-.762",  "-7.62",   "-76.2", "-762."};
        QTest::newRow("blanks and a word after the number")
            << std::string(" 1 0 miles") << std::string("MILES")
            << Captions{"3.33333", "MILES",   "80.",       "3,200.",    "17,600.",   "52,800.",    "633,600.",
                        "16.093",  "160.934", "1,609.344", "16,093.44", "160,934.4", "1,609,344.", "16,093,440."};
        QTest::newRow("1,500 reads as 1")
            << std::string("1,500") << std::string("YARDS")
            << Captions{".00019", ".00057", ".00455", ".18182", "YARDS", "3.",    "36.",
                        ".00091", ".00914", ".09144", ".9144",  "9.144", "91.44", "914.4"};
        QTest::newRow("&H10 reads as 16")
            << std::string("&H10") << std::string("INCHES")
            << Captions{".00008", ".00025", ".002",   ".0808", ".44444", "1.33333", "INCHES",
                        ".00041", ".00406", ".04064", ".4064", "4.064",  "40.64",   "406.4"};
    }
    void convertedRows() {
        QFETCH(std::string, typed);
        QFETCH(std::string, unit);
        QFETCH(Captions, expected);
        const ConvertResult result = convertEntry(typed, unit);
        QCOMPARE(result.status, ConvertStatus::Converted);
        QVERIFY(!result.overflowAt.has_value());
        QCOMPARE(describe(result.captions), describe(expected));
    }

    // Single cells show 7 digits of a value that came from a single entry:
    // the error of the narrowed entry shows in double cells only.
    void enteredValueIsSingle_data() {
        QTest::addColumn<std::string>("typed");
        QTest::addColumn<std::string>("unit");
        QTest::addColumn<int>("field");
        QTest::addColumn<std::string>("expected");
        QTest::newRow("0.1 MILES, inches (double)")
            << std::string("0.1") << std::string("MILES") << int(LengthUnit::Inches) << std::string("6,336.00009");
        QTest::newRow("0.1 MILES, feet (single)")
            << std::string("0.1") << std::string("MILES") << int(LengthUnit::Feet) << std::string("528.");
        QTest::newRow("123456789 METERS, dekameters") << std::string("123456789") << std::string("METERS")
                                                      << int(LengthUnit::Dekameters) << std::string("12,345,679.2");
        QTest::newRow("123456789 METERS, decimeters") << std::string("123456789") << std::string("METERS")
                                                      << int(LengthUnit::Decimeters) << std::string("1,234,568,000.");
        QTest::newRow("1 MILES, league") << std::string("1") << std::string("MILES") << int(LengthUnit::League)
                                         << std::string(".33333");
        QTest::newRow("2 MILES, league rounds up")
            << std::string("2") << std::string("MILES") << int(LengthUnit::League) << std::string(".66667");
    }
    void enteredValueIsSingle() {
        QFETCH(std::string, typed);
        QFETCH(std::string, unit);
        QFETCH(int, field);
        QFETCH(std::string, expected);
        const ConvertResult result = convertEntry(typed, unit);
        QCOMPARE(result.status, ConvertStatus::Converted);
        QCOMPARE(QString::fromStdString(result.captions[field]), QString::fromStdString(expected));
    }

    void nothingTypedConvertsZero_data() {
        QTest::addColumn<std::string>("typed");
        QTest::newRow("empty") << std::string();
        QTest::newRow("word") << std::string("abc");
        QTest::newRow("currency") << std::string("$12");
        QTest::newRow("minus zero") << std::string("-0");
        QTest::newRow("below the single range") << std::string("1E-50");
        QTest::newRow("below the double range") << std::string("-1E-400");
    }
    void nothingTypedConvertsZero() {
        QFETCH(std::string, typed);
        for (const UnitInfo& info : kUnits) {
            const ConvertResult result = convertEntry(typed, info.name);
            QCOMPARE(result.status, ConvertStatus::Converted);
            QCOMPARE(describe(result.captions), describe(zeroRow(info.unit)));
        }
    }

    void noUnitComputesNothing_data() {
        QTest::addColumn<std::string>("typed");
        QTest::addColumn<std::string>("unit");
        QTest::newRow("prompt") << std::string("12") << std::string("Select Unit ----->");
        QTest::newRow("empty unit") << std::string("12") << std::string();
        QTest::newRow("lower case") << std::string("12") << std::string("feet");
        QTest::newRow("trailing blank") << std::string("12") << std::string("FEET ");
        QTest::newRow("overflowing entry, no unit") << std::string("1E39") << std::string("Select Unit ----->");
        QTest::newRow("infinite entry, no unit") << std::string("1E400") << std::string("");
    }
    void noUnitComputesNothing() {
        QFETCH(std::string, typed);
        QFETCH(std::string, unit);
        const ConvertResult result = convertEntry(typed, unit);
        QCOMPARE(result.status, ConvertStatus::NoUnit);
        QVERIFY(!result.overflowAt.has_value());
        for (const std::string& caption : result.captions)
            QVERIFY(caption.empty());
    }

    void overflow_data() {
        QTest::addColumn<std::string>("typed");
        QTest::addColumn<std::string>("unit");
        QTest::addColumn<int>("at");
        using enum LengthUnit;
        QTest::newRow("1E35 MILES stops at feet") << std::string("1E35") << std::string("MILES") << int(Feet);
        QTest::newRow("-1E35 MILES stops at feet") << std::string("-1E35") << std::string("MILES") << int(Feet);
        QTest::newRow("1E35 KILOMETERS stops at decimeters")
            << std::string("1E35") << std::string("KILOMETERS") << int(Decimeters);
        QTest::newRow("largest single METERS stops at decimeters")
            << std::string("3.4028235E38") << std::string("METERS") << int(Decimeters);
        QTest::newRow("1E35 FURLONG stops at inches") << std::string("1E35") << std::string("FURLONG") << int(Inches);
        QTest::newRow("1E38 LEAGUE: 3E38 miles fit, furlongs do not")
            << std::string("1E38") << std::string("LEAGUE") << int(Furlong);
        QTest::newRow("1E39 LEAGUE: first cell") << std::string("1E39") << std::string("LEAGUE") << int(Miles);
        QTest::newRow("1E39 FEET: first cell") << std::string("1E39") << std::string("FEET") << int(League);
        QTest::newRow("1E39 KILOMETERS: first cell")
            << std::string("1E39") << std::string("KILOMETERS") << int(Hectometers);
        QTest::newRow("1E39 METERS: first cell") << std::string("1E39") << std::string("METERS") << int(Kilometers);
        QTest::newRow("just beyond single")
            << std::string("3.4028236E38") << std::string("MILLIMETERS") << int(Kilometers);
        QTest::newRow("-1E39 INCHES") << std::string("-1E39") << std::string("INCHES") << int(League);
        QTest::newRow("beyond double") << std::string("1E400") << std::string("RODS") << int(League);
        QTest::newRow("hex beyond 32 bits") << std::string("&H123456789") << std::string("YARDS") << int(League);
    }
    void overflow() {
        QFETCH(std::string, typed);
        QFETCH(std::string, unit);
        QFETCH(int, at);
        const ConvertResult result = convertEntry(typed, unit);
        QCOMPARE(result.status, ConvertStatus::Overflow);
        QVERIFY(result.overflowAt.has_value());
        QCOMPARE(QString::fromStdString(std::string(unitName(*result.overflowAt))),
                 QString::fromStdString(std::string(unitName(static_cast<LengthUnit>(at)))));
        for (const std::string& caption : result.captions)  // never a half-written grid
            QVERIFY(caption.empty());
    }

    void largeEntryThatFits() {
        // From RODS only inches is a single cell, and 1E35 x 198 stays in range.
        const ConvertResult result = convertEntry("1E35", "RODS");
        QCOMPARE(result.status, ConvertStatus::Converted);
        QString inches = "19,800,000";
        for (int group = 0; group < 10; ++group)
            inches += ",000";
        QCOMPARE(QString::fromStdString(result.captions[unitIndex(LengthUnit::Inches)]), inches + ".");
    }

    void negativeMirrorsPositive_data() {
        QTest::addColumn<std::string>("magnitude");
        for (const char* text : {"0.1", "1", "2.5", "3", "7", "12.75", "99.99", "123.456", "1000", "0.001", "65536",
                                 "1234567", "0.333333", "4.4E10", "9.87654E20", "2.2E30", "5E-6", "1E35"})
            QTest::newRow(text) << std::string(text);
    }
    void negativeMirrorsPositive() {
        QFETCH(std::string, magnitude);
        for (const UnitInfo& info : kUnits) {
            const ConvertResult positive = convertEntry(magnitude, info.name);
            const ConvertResult negative = convertEntry("-" + magnitude, info.name);
            QCOMPARE(negative.status, positive.status);
            QCOMPARE(negative.overflowAt, positive.overflowAt);
            for (std::size_t i = 0; i < kUnitCount; ++i) {
                const std::string& shown = positive.captions[i];
                const bool unsigned_ = i == unitIndex(info.unit) || shown.empty() || shown == ".";
                QCOMPARE(QString::fromStdString(negative.captions[i]),
                         QString::fromStdString(unsigned_ ? shown : "-" + shown));
            }
        }
    }

    void separatorsReachEveryField() {
        const NumberSeparators german{".", ","};
        const ConvertResult result = convertEntry("1.2345", "KILOMETERS", german);
        QCOMPARE(result.status, ConvertStatus::Converted);
        QCOMPARE(QString::fromStdString(result.captions[unitIndex(LengthUnit::Meters)]), QString("1.234,5"));
        QCOMPARE(QString::fromStdString(result.captions[unitIndex(LengthUnit::Hectometers)]), QString("12,345"));
        QCOMPARE(QString::fromStdString(result.captions[unitIndex(LengthUnit::Millimeters)]),
                 QString("1.234.500,05054"));
        QCOMPARE(QString::fromStdString(result.captions[unitIndex(LengthUnit::Kilometers)]), QString("KILOMETERS"));
        // The typed number still takes only '.' as its decimal point.
        QCOMPARE(
            QString::fromStdString(convertEntry("1,5", "KILOMETERS", german).captions[unitIndex(LengthUnit::Meters)]),
            QString("1.000,"));
    }
};

QTEST_APPLESS_MAIN(TestConvert)
#include "tst_convert.moc"
