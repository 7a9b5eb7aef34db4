// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the conversion table cell by cell against a second, independent
// transcription of the reference table, laid out the other way round (targets
// in unit-list order, not in production order), and the units' catalogue.
#include <QtTest>

#include <charconv>
#include <string>
#include <vector>

#include "engine/conversion_table.h"
#include "engine/units.h"

using namespace zelvar;

namespace {

// Rows: sources in unit-list order. Columns: targets in unit-list order.
// "*k" multiplies, "/k" divides, S or D is the precision, "-" the own field.
// clang-format off
const char* const kReference[14][14] = {
    // LEAGUE MILES FURLONG RODS YARDS FEET INCHES | KILOMETERS HECTOMETERS DEKAMETERS METERS DECIMETERS CENTIMETERS MILLIMETERS
    {"-", "*3 S", "*5280 /220 S", "*5280 /5.5 D", "*5280 S", "*15840 S", "*190080 D",
     "*4.828 D", "*48.2803 D", "*482.8032 D", "*4828.032 D", "*48280.32 D", "*4828.032 *100 D", "*4828032 D"},
    {"/3 S", "-", "*8 S", "*320 S", "*1760 S", "*5280 S", "*63360 D",
     "*1.6093 D", "*16.0934 D", "*160.9344 D", "*1609.344 D", "*16093.44 D", "*160934.4 D", "*1609344 D"},
    {"*0.125 /3 D", "*0.125 D", "-", "*40 S", "*220 S", "*660 S", "*7920 S",
     "*0.201168 D", "*2.01168 D", "*20.1168 D", "*201.168 D", "*2011.68 D", "*20116.8 D", "*201168 D"},
    {"*0.003125 /3 D", "*0.003125 D", "*0.025 D", "-", "*5.5 D", "*16.5 D", "*198 S",
     "*0.0050292 D", "*0.050292 D", "*0.50292 D", "*5.0292 D", "*50.292 D", "*502.92 D", "*5029.2 D"},
    {"/5280 S", "/1760 S", "*0.004545 D", "*0.181818 D", "-", "*3 S", "*36 S",
     "*0.000914 D", "*0.009144 D", "*0.09144 D", "*0.9144 D", "*9.144 D", "*91.44 D", "*914.4 D"},
    {"/15840 S", "/5280 S", "*0.0015 D", "*0.0606 D", "/3 S", "-", "*12 S",
     "*0.0003048 D", "*0.003048 D", "*0.03048 D", "*0.3048 D", "*3.048 D", "*30.48 D", "*304.8 D"},
    {"/190080 D", "/63360 D", "*0.0015 /12 D", "*0.0606 /12 D", "/36 S", "/12 S", "-",
     "*0.0000254 D", "*0.000254 D", "*0.00254 D", "*0.0254 D", "*0.254 D", "*2.54 D", "*25.4 D"},
    {"*0.6213 /3 D", "*0.6213 D", "*0.6213 *8 D", "*198.8388 D", "*1093.6133 D", "*3280.8399 D", "*3280.8399 *12 D",
     "-", "*10 S", "*100 S", "*1000 S", "*10000 S", "*100000 D", "*1000000 D"},
    {"*0.06213 /3 D", "*0.06213 D", "*0.06213 *8 D", "*19.88388 D", "*109.36133 D", "*328.08399 D", "*3937.01 D",
     "/10 S", "-", "*10 S", "*100 S", "*1000 S", "*10000 S", "*100000 D"},
    {"*0.00621 /3 D", "*0.00621 D", "*0.05 D", "*1.988 D", "*10.936 D", "*32.808 D", "*393.701 D",
     "*0.01 D", "*0.1 D", "-", "*10 S", "*100 S", "*1000 S", "*10000 S"},
    {"*0.000621 /3 D", "*0.000621 D", "*0.005 D", "*0.1988 D", "*1.0936 D", "*3.2808 D", "*39.3701 D",
     "/1000 S", "*0.01 D", "*0.1 D", "-", "*10 S", "*100 S", "*1000 S"},
    {"*0.0000621 /3 D", "*0.0000621 D", "*0.0005 D", "*0.01988 D", "*0.10936 D", "*0.32808 D", "*3.93701 D",
     "*0.0001 D", "*0.001 D", "*0.01 D", "*0.1 D", "-", "*10 S", "*100 S"},
    {"*0.00000621 /3 D", "*0.00000621 D", "/220 *0.010936 D", "*0.00198839 D", "*0.0109 D", "*0.0328 D", "*0.3937 D",
     "*0.00001 D", "*0.0001 D", "*0.001 D", "*0.01 D", "*0.1 D", "-", "*10 S"},
    {"*0.001 *0.000621 /3 D", "*0.001 *0.000621 D", "*0.001 *0.00497 D", "*0.001 *0.1988 D", "*0.001 *1.0936 D",
     "*0.0033 D", "*0.0394 D",
     "/1000000 D", "/100000 D", "/10000 S", "/1000 S", "/100 S", "/10 S", "-"},
};
// clang-format on

struct ReferenceCell {
    std::vector<ConversionStep> steps;
    ResultPrecision precision;
};

ReferenceCell parseReference(const std::string& text) {
    ReferenceCell cell{{}, ResultPrecision::Double};
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find(' ', pos), text.size());
        const std::string token = text.substr(pos, end - pos);
        if (token == "S" || token == "D") {
            cell.precision = token == "S" ? ResultPrecision::Single : ResultPrecision::Double;
        } else {
            double factor = 0;
            std::from_chars(token.data() + 1, token.data() + token.size(), factor);
            cell.steps.push_back({token[0] == '*' ? StepOp::Multiply : StepOp::Divide, factor});
        }
        pos = end + 1;
    }
    return cell;
}

// The first seven units are customary, the last seven metric; a row runs
// through the source's own group first.
std::vector<LengthUnit> expectedOrder(LengthUnit source) {
    const auto metric = [](LengthUnit unit) { return unitIndex(unit) >= 7; };
    std::vector<LengthUnit> order;
    for (bool group : {metric(source), !metric(source)}) {
        for (const UnitInfo& info : kUnits) {
            if (metric(info.unit) == group && info.unit != source)
                order.push_back(info.unit);
        }
    }
    return order;
}

}  // namespace

class TestConversionTable : public QObject {
    Q_OBJECT

private slots:
    void unitFromName_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");  // -1: no unit
        const char* names[] = {"LEAGUE", "MILES",      "FURLONG",     "RODS",        "YARDS",
                               "FEET",   "INCHES",     "KILOMETERS",  "HECTOMETERS", "DEKAMETERS",
                               "METERS", "DECIMETERS", "CENTIMETERS", "MILLIMETERS"};
        for (int i = 0; i < 14; ++i)
            QTest::newRow(names[i]) << QString(names[i]) << i;
        QTest::newRow("prompt") << "Select Unit ----->" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("lower case") << "feet" << -1;
        QTest::newRow("mixed case") << "Meters" << -1;
        QTest::newRow("trailing blank") << "FEET " << -1;
        QTest::newRow("leading blank") << " FEET" << -1;
        QTest::newRow("plural league") << "LEAGUES" << -1;
        QTest::newRow("plural furlong") << "FURLONGS" << -1;
        QTest::newRow("singular mile") << "MILE" << -1;
        QTest::newRow("prefix") << "MET" << -1;
        QTest::newRow("british spelling") << "METRES" << -1;
        QTest::newRow("embedded nul") << QString::fromUtf8("FEET\0", 5) << -1;
    }
    void unitFromName() {
        QFETCH(QString, text);
        QFETCH(int, expected);
        const QByteArray utf8 = text.toUtf8();
        const auto unit = zelvar::unitFromName(std::string_view(utf8.constData(), utf8.size()));
        QCOMPARE(unit.has_value(), expected >= 0);
        if (unit) {
            QCOMPARE(static_cast<int>(*unit), expected);
            QCOMPARE(zelvar::unitName(*unit), std::string_view(utf8.constData(), utf8.size()));
        }
    }

    void everyCellMatchesReference_data() {
        QTest::addColumn<int>("source");
        for (const UnitInfo& info : kUnits)
            QTest::newRow(std::string(info.name).c_str()) << static_cast<int>(info.unit);
    }
    void everyCellMatchesReference() {
        QFETCH(int, source);
        const auto row = conversionRow(static_cast<LengthUnit>(source));
        QCOMPARE(row.size(), std::size_t{13});

        const std::vector<LengthUnit> order = expectedOrder(static_cast<LengthUnit>(source));
        for (std::size_t i = 0; i < row.size(); ++i) {
            const ConversionCell& cell = row[i];
            QCOMPARE(cell.target, order[i]);
            const ReferenceCell ref = parseReference(kReference[source][unitIndex(cell.target)]);
            const std::string where = std::string(unitName(cell.target));
            QVERIFY2(cell.stepCount == ref.steps.size(), where.c_str());
            for (std::size_t s = 0; s < ref.steps.size(); ++s) {
                QVERIFY2(cell.steps[s].op == ref.steps[s].op, where.c_str());
                QVERIFY2(cell.steps[s].factor == ref.steps[s].factor, where.c_str());
            }
            QVERIFY2(cell.precision == ref.precision, where.c_str());
        }
    }

    // The result of each cell for x = 1, straight from evaluateCell: checks
    // the left-to-right order of the steps in double precision and the
    // narrowing of Single cells.
    void evaluateCell_data() {
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("target");
        QTest::addColumn<float>("x");
        QTest::addColumn<double>("expected");
        QTest::addColumn<bool>("single");
        using enum LengthUnit;
        auto add = [](const char* name, LengthUnit s, LengthUnit t, float x, double expected, bool single) {
            QTest::newRow(name) << int(s) << int(t) << x << expected << single;
        };
        add("miles->league is the float nearest 1/3", Miles, League, 1.0f, double(1.0f / 3.0f), true);
        add("furlong->league stays double", Furlong, League, 1.0f, 0.125 / 3.0, false);
        add("league->rods is 5280 then /5.5", League, Rods, 1.0f, 960.0, false);
        add("inches->rods is *0.0606 then /12", Inches, Rods, 1.0f, 0.0606 / 12.0, false);
        add("centimeters->furlong divides first", Centimeters, Furlong, 1.0f, 1.0 / 220.0 * 0.010936, false);
        add("millimeters->league three steps", Millimeters, League, 1.0f, 1.0 * 0.001 * 0.000621 / 3.0, false);
        add("kilometers->inches two steps", Kilometers, Inches, 1.0f, 3280.8399 * 12.0, false);
        add("x stays single: 0.1 miles->inches", Miles, Inches, 0.1f, double(0.1f) * 63360.0, false);
        add("feet->yards narrows", Feet, Yards, 0.1f, double(float(double(0.1f) / 3.0)), true);
        add("largest single passes a x1 factor", Kilometers, Hectometers, 3.4e37f,
            double(float(double(3.4e37f) * 10.0)), true);
        add("negative", Yards, Feet, -2.5f, -7.5, true);
        add("zero", Millimeters, Meters, 0.0f, 0.0, true);
        add("subnormal result is no error", Millimeters, Kilometers, 1e-38f, double(1e-38f) / 1000000.0, false);
    }
    void evaluateCell() {
        QFETCH(int, source);
        QFETCH(int, target);
        QFETCH(float, x);
        QFETCH(double, expected);
        QFETCH(bool, single);
        for (const ConversionCell& cell : conversionRow(static_cast<LengthUnit>(source))) {
            if (cell.target != static_cast<LengthUnit>(target))
                continue;
            const auto value = zelvar::evaluateCell(cell, x);
            QVERIFY(value.has_value());
            QCOMPARE(value->value, expected);  // exact: same bits
            QCOMPARE(value->precision == ResultPrecision::Single, single);
            return;
        }
        QFAIL("no such cell");
    }

    void evaluateCellOverflow_data() {
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("target");
        QTest::addColumn<float>("x");
        QTest::addColumn<bool>("overflows");
        using enum LengthUnit;
        const float big = 1e35f;
        QTest::newRow("miles->yards 1.76e38 fits") << int(Miles) << int(Yards) << big << false;
        QTest::newRow("miles->feet 5.28e38 overflows") << int(Miles) << int(Feet) << big << true;
        QTest::newRow("miles->inches is double") << int(Miles) << int(Inches) << big << false;
        QTest::newRow("km->meters 1e38 fits") << int(Kilometers) << int(Meters) << big << false;
        QTest::newRow("km->decimeters 1e39 overflows") << int(Kilometers) << int(Decimeters) << big << true;
        QTest::newRow("negative overflows too") << int(Miles) << int(Feet) << -big << true;
        QTest::newRow("rounds to the largest single") << int(Kilometers) << int(Hectometers) << 3.4028234e37f << false;
        QTest::newRow("infinite x, double cell")
            << int(Feet) << int(Meters) << std::numeric_limits<float>::infinity() << true;
    }
    void evaluateCellOverflow() {
        QFETCH(int, source);
        QFETCH(int, target);
        QFETCH(float, x);
        QFETCH(bool, overflows);
        for (const ConversionCell& cell : conversionRow(static_cast<LengthUnit>(source))) {
            if (cell.target == static_cast<LengthUnit>(target)) {
                QCOMPARE(!zelvar::evaluateCell(cell, x).has_value(), overflows);
                return;
            }
        }
        QFAIL("no such cell");
    }
};

QTEST_APPLESS_MAIN(TestConversionTable)
#include "tst_conversion_table.moc"
