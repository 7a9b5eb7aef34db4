// SPDX-License-Identifier: GPL-3.0-or-later
// Lengths as people write them: every form, the connector rule, the
// refusals, and the answer in feet and inches.
#include <QtTest>

#include <cmath>
#include <cstring>
#include <string>

#include "engine/exact_number.h"
#include "engine/feet_and_inches.h"
#include "engine/read_number.h"
#include "engine/written_length.h"
#include "tests/support/number_form.h"

using namespace zelvar;
using namespace zelvar::test;

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(LengthUnit)
Q_DECLARE_METATYPE(FigureStyle)
Q_DECLARE_METATYPE(const NumberForm*)

namespace {

bool sameFloat(float a, float b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

class TestLengthText : public QObject {
    Q_OBJECT

private slots:
    // `sum` is the length in its smallest unit, as a number typed there; the
    // length must hold exactly what the entry holds for it.
    void readsLengths_data() {
        QTest::addColumn<std::string>("typed");
        QTest::addColumn<const NumberForm*>("form");
        QTest::addColumn<std::string>("text");
        QTest::addColumn<std::string>("sum");
        QTest::addColumn<LengthUnit>("unit");
        const auto row = [](const char* typed, const char* text, const char* sum, LengthUnit unit,
                            const NumberForm& form = kPointAndCommas) {
            QTest::newRow(typed) << std::string(typed) << &form << std::string(text) << std::string(sum) << unit;
        };
        using enum LengthUnit;
        row("5ft", "5 FEET", "5", Feet);
        row("1,5 km", "1,5 KILOMETERS", "1.5", Kilometers, kCommaAndPoints);
        row("3 yd 2 ft 4 in", "3 YARDS 2 FEET 4 INCHES", "136", Inches);
        row("1 mi 300 yd", "1 MILES 300 YARDS", "2060", Yards);
        row("2m30cm", "2 METERS 30 CENTIMETERS", "230", Centimeters);
        row("1 rd 2 yd", "1 RODS 2 YARDS", "7.5", Yards);
        row("5'10\"", "5 FEET 10 INCHES", "70", Inches);
        row("5\u2032 10\u2033", "5 FEET 10 INCHES", "70", Inches);
        row("6'", "6 FEET", "6", Feet);
        row("10''", "10 INCHES", "10", Inches);
        row("1m80", "1 METERS 80 CENTIMETERS", "180", Centimeters);
        row("1 m 8", "1 METERS 8 CENTIMETERS", "108", Centimeters);
        row("5 ft 14 in", "5 FEET 14 INCHES", "74", Inches);
        row("5'11.99", "5 FEET 11.99 INCHES", "71.99", Inches);
        row("-5'10\"", "-5 FEET 10 INCHES", "-70", Inches);
        row("+5'10\"", "+5 FEET 10 INCHES", "70", Inches);
        row("\u22125 ft 10.5 in", "\u22125 FEET 10.5 INCHES", "-70.5", Inches);
        row("5 ft 10,25", "5 FEET 10,25 INCHES", "70.25", Inches, kCommaAndPoints);
        row("1.5 m 1", "1.5 METERS 1 CENTIMETERS", "151", Centimeters, kCommaAndPoints);
        // Every number is read as the terminal reads one, grouping and all.
        row("1,000 ft 3 in", "1,000 FEET 3 INCHES", "12003", Inches);
        row("1e3 ft 2 in", "1e3 FEET 2 INCHES", "12002", Inches);
        row("1.500'", "1.500 FEET", "1500", Feet, kCommaAndPoints);
        row("1.500 ft 2 in", "1.500 FEET 2 INCHES", "18002", Inches, kCommaAndPoints);
        row("2.000 m 50", "2.000 METERS 50 CENTIMETERS", "200050", Centimeters, kCommaAndPoints);
        row("1 500 m 3 cm", "1 500 METERS 3 CENTIMETERS", "150003", Centimeters, kCommaAndSpaces);
        row("1.500 ft", "1.500 FEET", "1.5", Feet, kCommaAndSpaces);
        row("1'500' 3\"", "1'500 FEET 3 INCHES", "18003", Inches, kPointAndApostrophes);
        row("5' 10\"", "5 FEET 10 INCHES", "70", Inches, kPointAndApostrophes);
        row("&H5dam", "&H5 DEKAMETERS", "5", Dekameters);
        row("1.5e\u22123 m", "1.5e\u22123 METERS", "0.0015", Meters);
        row("1,000 1/2 in", "1,000 1/2 INCHES", "1000.5", Inches);
        row("1 000 \u00bd in", "1 000 1/2 INCHES", "1000.5", Inches, kCommaAndSpaces);
        row("&H10 ft 2 in", "&H10 FEET 2 INCHES", "194", Inches);
        row("5' 7 1/2\"", "5 FEET 7 1/2 INCHES", "67.5", Inches);
        row("3 1/2in", "3 1/2 INCHES", "3.5", Inches, kCommaAndSpaces);
        row("5/8\"", "5/8 INCHES", "0.625", Inches);
        row("5\u20444 in", "5/4 INCHES", "1.25", Inches);
        row("1/3 in", "1/3 INCHES", "0.33333333333333331", Inches);
        row("1 ft 1/3 in", "1 FEET 1/3 INCHES", "12.333333333333333333", Inches);
        row("6\u2032 2\u00bd\u2033", "6 FEET 2 1/2 INCHES", "74.5", Inches);
        row("\u00bc in", "1/4 INCHES", "0.25", Inches);
        row("3 \u00be in", "3 3/4 INCHES", "3.75", Inches);
        row("\u2150 mi", "1/7 MILES", "0.142857142857142857143", Miles);
        row("2\u2151 km", "2 1/9 KILOMETERS", "2.11111111111111111111", Kilometers);
        row("\u2152 m", "1/10 METERS", "0.1", Meters);
        row("\u2153 yd", "1/3 YARDS", "0.333333333333333333333", Yards);
        row("1 ft \u2154", "1 FEET 2/3 INCHES", "12.6666666666666666667", Inches);
        row("\u2155 cm", "1/5 CENTIMETERS", "0.2", Centimeters);
        row("\u2156 mm", "2/5 MILLIMETERS", "0.4", Millimeters);
        row("\u2157 dm", "3/5 DECIMETERS", "0.6", Decimeters);
        row("\u2158 dam", "4/5 DEKAMETERS", "0.8", Dekameters);
        row("\u2159 hm", "1/6 HECTOMETERS", "0.166666666666666666667", Hectometers);
        row("\u215a fur", "5/6 FURLONG", "0.833333333333333333333", Furlong);
        row("\u215b rd", "1/8 RODS", "0.125", Rods);
        row("-\u215c lea", "-3/8 LEAGUE", "-0.375", League);
        row("\u215d ft", "5/8 FEET", "0.625", Feet);
        row("1 \u215e in", "1 7/8 INCHES", "1.875", Inches);
    }
    void readsLengths() {
        QFETCH(std::string, typed);
        QFETCH(const NumberForm*, form);
        QFETCH(std::string, text);
        QFETCH(std::string, sum);
        QFETCH(LengthUnit, unit);
        const std::optional<WrittenLength> length = readWrittenLength(typed, *form);
        QVERIFY(length);
        QCOMPARE(QString::fromStdString(length->text), QString::fromStdString(text));
        QCOMPARE(length->unit, unit);
        QVERIFY(!length->target);
        const float entered = static_cast<float>(ReadNumber(sum));
        QVERIFY2(sameFloat(length->entered, entered), QByteArray::number(length->entered, 'g', 9));
        // The entry is given a number that CONVERT reads back to the length.
        QVERIFY2(sameFloat(static_cast<float>(ReadNumber(length->entry)), entered), length->entry.c_str());
        const std::optional<WrittenLength> again = readWrittenLength(writtenLengthText(*length, kFeetAndInches), *form);
        QVERIFY(again);
        QCOMPARE(again->text, text);
        QVERIFY(sameFloat(again->entered, entered));
    }

    // What overflows gives the entry a number that overflows alike: never
    // inf, nan or another number.
    void overflowingEntry_data() {
        QTest::addColumn<std::string>("typed");
        QTest::addColumn<std::string>("entry");
        QTest::newRow("beyond singles") << std::string("400000000000000000000000000000000000000/1 in")
                                        << std::string("4e+38");
        QTest::newRow("negative") << std::string("-400000000000000000000000000000000000000/1 in")
                                  << std::string("-4e+38");
        QTest::newRow("beyond doubles") << std::string("5 ft 1e400 in") << std::string("1E309");
        QTest::newRow("one number keeps its text") << std::string("1e39 mm") << std::string("1e39");
    }
    void overflowingEntry() {
        QFETCH(std::string, typed);
        const std::optional<WrittenLength> length = readWrittenLength(typed, kPointAndCommas);
        QVERIFY(length && std::isinf(length->entered));
        QTEST(length->entry, "entry");
        QVERIFY(sameFloat(static_cast<float>(ReadNumber(length->entry)), length->entered));
    }

    // A length whose numbers, as its text writes them, fill the entry reads
    // back from every id; one a character longer there is none.
    void longestEntryReadsBack_data() {
        QTest::addColumn<std::string>("typed");
        QTest::addColumn<bool>("read");
        const std::string zeros(kLongestEntry - 4, '0');
        QTest::newRow("marks") << "0." + zeros + "1'1\"" << true;
        QTest::newRow("a vulgar fraction, written 1/2") << "0." + zeros + "1 ft \u00bd in" << false;
        QTest::newRow("a mixed number, blanks and all")
            << "0." + zeros.substr(4) + "1 ft 1" + std::string(9, ' ') + "1/2 in" << true;
    }
    void longestEntryReadsBack() {
        QFETCH(std::string, typed);
        const std::optional<WrittenLength> length = readWrittenLength(typed, kPointAndCommas);
        QTEST(length.has_value(), "read");
        for (const LengthTarget target : {LengthTarget{LengthUnit::Centimeters}, kFeetAndInches}) {
            const std::optional<WrittenLength> again =
                length ? readWrittenLength(writtenLengthText(*length, target), kPointAndCommas) : length;
            QVERIFY(!length || (again && again->target == target && sameFloat(again->entered, length->entered)));
        }
    }

    // A part far below the others' last digit is still above zero: the sum
    // just below a tie between two doubles stays below it.
    void tinyPartsKeepTheirSide() {
        const std::string below = "1.00000017881393421514957253748434595763683319091796874" + std::string(29947, '9');
        const std::optional<WrittenLength> withTiny =
            readWrittenLength("1e-999999 ft " + below + " in", kPointAndCommas);
        const std::optional<WrittenLength> withZero = readWrittenLength("0 ft " + below + " in", kPointAndCommas);
        QVERIFY(withTiny && withZero);
        QVERIFY2(withTiny->value == withZero->value, QByteArray::number(withTiny->value, 'g', 17));
        QVERIFY(sameFloat(withTiny->entered, 1.00000012f));
    }

    // Words of the user's languages, and English always; no other's.
    void readsLanguages_data() {
        QTest::addColumn<std::string>("typed");
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<std::string>("read");  // empty: no length
        const auto row = [](const char* typed, const QStringList& languages, const char* read) {
            QTest::newRow(typed) << std::string(typed) << languages << std::string(read);
        };
        row("5 Fu\u00df in m", {"de"}, "5 FEET in METERS");
        row("5 FUSS 10 Zoll", {"de"}, "5 FEET 10 INCHES");
        row("5 ft nach Metern", {"de"}, "5 FEET in METERS");
        row("\uff15\u30d5\u30a3\u30fc\u30c8\u306f\u4f55\u30e1\u30fc\u30c8\u30eb", {"ja"}, "5 FEET in METERS");
        row("5\u82f1\u5c3a\u7b49\u4e8e\u591a\u5c11\u5398\u7c73", {"zh_Hans"}, "5 FEET in CENTIMETERS");
        row("5 \u82f1\u5c3a \u7b49\u4e8e\u591a\u5c11 \u7c73", {"zh_Hans"}, "5 FEET in METERS");
        row("5 fit ka\u00e7 metre", {"tr"}, "5 FEET in METERS");
        row("1 M\u0130L in km", {"tr"}, "1 MILES in KILOMETERS");
        row("3 \u0434\u044e\u0439\u043c\u0430 \u0432 \u0441\u043c", {"ru"}, "3 INCHES in CENTIMETERS");
        row("2 ft \u2192 m", {}, "2 FEET in METERS");
        row("2 ft -> m", {}, "2 FEET in METERS");
        row("5 Fu\u00df", {}, "");
        row("5 mil in km", {"sv", "tr"}, "");
        row("5 fot till", {"sv"}, "");
        row("10\u00b3 m", {}, "");
        row("5 m\u00b2 to ft", {}, "");
        row("5\u33a1", {"ja"}, "");
        row("1\u00b9\u2044\u2082 in", {}, "");
        row("5\xb2 m", {"de"}, "");
        row("5\xc1\x81 m", {}, "");
        row("&HFF m to ft", {}, "&HFF METERS in FEET");
        row("1E3 m in ft", {"de"}, "1E3 METERS in FEET");
    }
    void readsLanguages() {
        QFETCH(std::string, typed);
        QFETCH(QStringList, languages);
        std::vector<std::string> names;
        for (const QString& language : languages)
            names.push_back(language.toStdString());
        const UnitVocabulary vocabulary(names);
        const std::optional<WrittenLength> length = readWrittenLength(typed, kPointAndCommas, vocabulary);
        QTEST(length ? (length->target ? writtenLengthText(*length, *length->target) : length->text) : "", "read");
    }

    // The length's text with its target; for a refused text, why, or "".
    void connectorsAndRefusals_data() {
        QTest::addColumn<std::string>("typed");
        QTest::addColumn<std::string>("read");
        const auto row = [](const char* typed, const char* read) {
            QTest::newRow(typed) << std::string(typed) << std::string(read);
        };
        row("5 in in cm", "5 INCHES in CENTIMETERS");
        row("5 ft 10 in in cm", "5 FEET 10 INCHES in CENTIMETERS");
        row("5'10 to cm", "5 FEET 10 INCHES in CENTIMETERS");
        row("5 ft 10 in cm", "5 FEET 10 INCHES in CENTIMETERS");
        row("5 ft 10 in", "5 FEET 10 INCHES");
        row("5 ft 10 in  in  INCHES", "5 FEET 10 INCHES in INCHES");
        row("  -0.5   inch =  cm ", "-0.5 INCHES in CENTIMETERS");
        row("3mi to km", "3 MILES in KILOMETERS");
        row("5mm", "5 MILLIMETERS");
        row("2 Miles AS Yards", "2 MILES in YARDS");
        row("1E38 lea", "1E38 LEAGUE");
        row("180 cm in ft in", "180 CENTIMETERS in FEET AND INCHES");
        row("180 cm as FT+IN", "180 CENTIMETERS in FEET AND INCHES");
        row("2 m = Feet and Inches", "2 METERS in FEET AND INCHES");
        row("2 m > feet inches", "2 METERS in FEET AND INCHES");
        row("2 m in '\"", "2 METERS in FEET AND INCHES");
        row("5 in cm", "");
        row("in cm", "");
        row("5 cm in cm", "");
        row("5' in ft", "");
        row("5 ft in", "");
        row("10 in 5 ft", "");
        row("5 ft 5 ft", "");
        row("1 m 2 ft", "");
        row("1/0 in", "");
        row("3 5/4 in", "");
        row("3 4/4 in", "");
        row("3.5\u00bd in", "");
        row("1,5 ft 2 in", "");
        row("- 5'", "");
        row("5'-10\"", "");
        row("5 ft &HFFFF in", "");
        row("5 10 in", "");
        row("5 1/2", "");
        row("5 yd 10", "");
        row("5'10\"\t", "");
        row("5 ft\x7f", "");
        row("5 kilometress", "");
        row("x5 ft", "");
        row("5 ft in parsec", "");
        row("1,000/3 in", "");
        row("3 01/2 in", "");
        row("", "");
        row("firefox", "");
        row("5 ft in feet", "");
        row("1 m 800", "a bare number after metres is centimetres, and must be below 100");
        row("1 m 100", "a bare number after metres is centimetres, and must be below 100");
        row("5'13", "a bare number after feet is inches, and must be below 12");
        row("5'12 in cm", "a bare number after feet is inches, and must be below 12");
        row("5'1e999", "a bare number after feet is inches, and must be below 12");
    }
    void connectorsAndRefusals() {
        QFETCH(std::string, typed);
        QFETCH(std::string, read);
        const std::optional<WrittenLength> length = readWrittenLength(typed, kPointAndCommas);
        const std::string shown = length ? (length->target ? writtenLengthText(*length, *length->target) : length->text)
                                         : std::string(whyNotALength(typed, kPointAndCommas));
        QCOMPARE(QString::fromStdString(shown), QString::fromStdString(read));
    }

    void feetAndInches_data() {
        QTest::addColumn<LengthUnit>("unit");
        QTest::addColumn<float>("entered");
        QTest::addColumn<FigureStyle>("style");
        QTest::addColumn<std::string>("expected");
        using enum LengthUnit;
        constexpr auto window = FigureStyle::Window;
        QTest::newRow("180 cm") << Centimeters << 180.0f << window << std::string("5 ft 10,866 in");
        QTest::newRow("1 km") << Kilometers << 1.0f << window << std::string("3.280 ft 10,0788 in");
        QTest::newRow("1 km plain") << Kilometers << 1.0f << FigureStyle::Plain << std::string("3280 ft 10.0788 in");
        QTest::newRow("zero rest") << Inches << 60.0f << window << std::string("5 ft 0 in");
        QTest::newRow("rest below an inch") << Inches << 12.625f << window << std::string("1 ft 0,625 in");
        QTest::newRow("below a foot") << Centimeters << 5.0f << window << std::string("0 ft 1,9685 in");
        QTest::newRow("negative") << Feet << -2.5f << window << std::string("-2 ft 6 in");
        QTest::newRow("zero") << Millimeters << 0.0f << window << std::string("0 ft 0 in");
        QTest::newRow("overflow") << Kilometers << 3e38f << window << std::string();
        // Held in inches, the length splits as the entry holds it, every digit kept.
        QTest::newRow("12345678 in") << Inches << 12345678.0f << window << std::string("1.028.806 ft 6 in");
        QTest::newRow("1234567.5 in") << Inches << 1234567.5f << window << std::string("102.880 ft 7,5 in");
        QTest::newRow("65535 ft 0.25 in")
            << Inches << 786420.25f << FigureStyle::Plain << std::string("65535 ft 0.25 in");
        QTest::newRow("negative zero") << Inches << -0.0f << window << std::string("0 ft 0 in");
    }
    void feetAndInches() {
        QFETCH(LengthUnit, unit);
        QFETCH(float, entered);
        QFETCH(FigureStyle, style);
        QFETCH(std::string, expected);
        QCOMPARE(QString::fromStdString(feetAndInchesText(unit, entered, style, {".", ","}).value_or("")),
                 QString::fromStdString(expected));
    }

    // A length held in inches that a single holds exactly, typed with the
    // digits that read back to it, comes back as typed.
    void feetAndInchesComeBack_data() {
        QTest::addColumn<std::string>("typed");
        for (const char* typed :
             {"1028806 ft 6 in", "102880 ft 7.5 in", "65535 ft 0.25 in", "0 ft 11.5 in", "1398101 ft 3 in",
              "-5 ft 10.25 in", "1 ft 0.0078125 in", "8333333333333333333 ft 4 in"})
            QTest::newRow(typed) << std::string(typed);
    }
    void feetAndInchesComeBack() {
        QFETCH(std::string, typed);
        const std::optional<WrittenLength> length = readWrittenLength(typed + " to ft+in", kPointAndCommas);
        QVERIFY(length);
        QCOMPARE(feetAndInchesText(length->unit, length->entered, FigureStyle::Plain).value_or(""), typed);
    }

    // One rounding, to the nearest double, as the number reader rounds.
    void roundsOnce_data() {
        QTest::addColumn<std::string>("whole");
        QTest::addColumn<std::string>("fraction");
        QTest::newRow("tie to even") << std::string("9007199254740995") << std::string();
        QTest::newRow("just above a tie") << std::string("9007199254740993") << std::string("0000000000000000001");
        QTest::newRow("many decimals") << std::string("0") << std::string(400, '3');
        QTest::newRow("largest double") << std::string("17976931348623157") + std::string(292, '0') << std::string();
        QTest::newRow("beyond doubles") << std::string("2") + std::string(308, '0') << std::string();
        QTest::newRow("smallest normal") << std::string("0") << std::string(307, '0') + "22250738585072014";
    }
    void roundsOnce() {
        QFETCH(std::string, whole);
        QFETCH(std::string, fraction);
        const double expected = ReadNumber(whole + '.' + fraction);
        const double rounded = ExactRatio::decimal(whole, fraction).nearestDouble();
        QVERIFY2(rounded == expected, QByteArray::number(rounded, 'g', 17));
    }
};

QTEST_APPLESS_MAIN(TestLengthText)
#include "tst_length_text.moc"
