// SPDX-License-Identifier: GPL-3.0-or-later
// Reading typed numbers and rendering results with "#,###,###.#####".
#include <QtTest>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "engine/format_result.h"
#include "engine/read_number.h"

using namespace zelvar;

Q_DECLARE_METATYPE(std::string)

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

std::string readable(const std::string& text) {
    return "\"" + text + "\"";
}

// A slow, plain rendering to compare against: the exact binary value rounded
// to `significant` digits by the standard library, written out as an integer
// of digits with a number of fraction digits, rounded to five decimals with
// halves away from zero on that digit string, then grouped.
std::string slowRender(double value, int significant) {
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, significant - 1).ptr;
    const std::string text(buffer, end);
    const bool negative = text[0] == '-';
    const std::size_t e = text.find('e');
    std::string digits;
    for (std::size_t i = negative; i < e; ++i)
        if (text[i] != '.')
            digits += text[i];
    const int exponent = std::stoi(text.substr(e + 1));
    // value = digits x 10^(exponent - significant + 1)
    int fractionLength = significant - 1 - exponent;
    if (fractionLength < 0) {
        digits.append(-fractionLength, '0');
        fractionLength = 0;
    }
    if (static_cast<int>(digits.size()) <= fractionLength)
        digits.insert(0, fractionLength + 1 - digits.size(), '0');
    if (fractionLength > 5) {
        const char first = digits[digits.size() - (fractionLength - 5)];
        digits.resize(digits.size() - (fractionLength - 5));
        fractionLength = 5;
        if (first >= '5') {
            int i = static_cast<int>(digits.size()) - 1;
            while (i >= 0 && digits[i] == '9')
                digits[i--] = '0';
            if (i < 0)
                digits.insert(0, "1");
            else
                ++digits[i];
        }
    }
    std::string integer = digits.substr(0, digits.size() - fractionLength);
    std::string fraction = digits.substr(digits.size() - fractionLength);
    integer.erase(0, integer.find_first_not_of('0') == std::string::npos ? integer.size()
                                                                         : integer.find_first_not_of('0'));
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    std::string grouped;
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0)
            grouped += ',';
        grouped += integer[i];
    }
    const bool showsDigit = !integer.empty() || !fraction.empty();
    return (negative && showsDigit ? "-" : "") + grouped + "." + fraction;
}

}  // namespace

class TestNumberText : public QObject {
    Q_OBJECT

private slots:
    void readNumber_data() {
        QTest::addColumn<std::string>("text");
        QTest::addColumn<double>("expected");
        auto add = [](const char* name, std::string text, double expected) { QTest::newRow(name) << text << expected; };
        add("plain", "2457", 2457);
        add("blanks before and between", "  2 45 7", 2457);
        add("tab, line feed, carriage return skipped", "\t2\n4\r5 7", 2457);
        add("word ends it", "24 and 57", 24);
        add("comma ends it", "1,500", 1);
        add("second point ends it", "12.5.3", 12.5);
        add("leading point", ".5", 0.5);
        add("trailing point", "5.", 5);
        add("negative", "-3", -3);
        add("plus sign", "+7", 7);
        add("sign then blank", "- 3", -3);
        add("two signs", "+-5", 0);
        add("exponent E", "1.5E3", 1500);
        add("exponent e", "1.5e3", 1500);
        add("exponent D", "2D2", 200);
        add("exponent d negative", "25d-1", 2.5);
        add("exponent with plus", "1E+2", 100);
        add("exponent letter without digits", "1E", 1);
        add("exponent sign without digits", "1E+", 1);
        add("exponent then letter", "1Ex5", 1);
        add("blank inside exponent", "1 E 2", 100);
        add("exponent ends at point", "1E2.5", 100);
        add("words", "abc", 0);
        add("empty", "", 0);
        add("only blanks", " \t ", 0);
        add("currency sign", "$5", 0);
        add("lone point", ".", 0);
        add("lone minus", "-", 0);
        add("exponent without mantissa", "E5", 0);
        add("point then exponent", ".E5", 0);
        add("no-break space ends it",
            "1\xC2\xA0"
            "2",
            1);
        add("non-Latin digit ends it", "1\xD9\xA3", 1);
        add("nul byte ends it",
            std::string("4\0"
                        "2",
                        3),
            4);
        add("correct rounding, not digit accumulation", "0.1", 0.1);
        // 1 + 2^-53 lies exactly between two doubles: ties go to even.
        add("exact tie rounds to even", "1.00000000000000011102230246251565404236316680908203125", 1.0);
        add("just above the tie rounds up", "1.000000000000000111022302462515654042363166809082031251",
            1.0000000000000002);
        add("many leading zeros", std::string(5000, '0') + "7", 7);
        add("many fraction digits", "0." + std::string(3000, '3'), 1.0 / 3.0);
        add("hex", "&HFF", 255);
        add("hex lower case", "&hff", 255);
        add("hex 16-bit negative", "&HFFFF", -1);
        add("hex 16-bit lowest", "&H8000", -32768);
        add("hex leading zeros do not widen", "&H0000FFFF", -1);
        add("hex 32-bit", "&H10000", 65536);
        add("hex 32-bit negative", "&HFFFFFFFF", -1);
        add("hex 32-bit lowest", "&H80000000", -2147483648.0);
        add("hex beyond 32 bits", "&H100000000", kInf);
        add("hex stops at non-digit", "&H1G", 1);
        add("hex with blanks", "& H F F", 255);
        add("octal", "&O17", 15);
        add("octal lower case", "&o17", 15);
        add("octal 16-bit negative", "&O177777", -1);
        add("octal 32-bit", "&O200000", 65536);
        add("octal stops at 8", "&O78", 7);
        add("ampersand alone", "&", 0);
        add("ampersand then other letter", "&X12", 0);
        add("hex without digits", "&H", 0);
        add("sign before ampersand", "-&H10", 0);
        add("beyond double", "1E400", kInf);
        add("beyond double negative", "-1E400", -kInf);
        add("beyond double by digits", "1" + std::string(400, '0'), kInf);
        add("below double", "1E-400", 0);
        add("below double by digits", "0." + std::string(400, '0') + "1", 0);
        add("huge exponent digits", "1E" + std::string(1000, '9'), kInf);
        add("huge negative exponent", "1E-" + std::string(1000, '9'), 0);
        add("zero with huge exponent", "0E99999", 0);
        add("largest double", "1.7976931348623157E308", 1.7976931348623157e308);
    }
    void readNumber() {
        QFETCH(std::string, text);
        QFETCH(double, expected);
        const double value = ReadNumber(text);
        QVERIFY2(!std::isnan(value), readable(text).c_str());
        if (value != expected) {
            const std::string message = readable(text) + " read as " + std::to_string(value);
            QFAIL(message.c_str());
        }
        QCOMPARE(std::signbit(value), std::signbit(expected));
    }

    void formatResult_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("single");
        QTest::addColumn<std::string>("expected");
        auto add = [](const char* name, double value, bool single, const char* expected) {
            QTest::newRow(name) << value << single << std::string(expected);
        };
        add("whole single", 5, true, "5.");
        add("zero single", 0, true, ".");
        add("zero double", 0, false, ".");
        add("half", 0.5, true, ".5");
        add("grouped negative", -1234.5, true, "-1,234.5");
        add("7 digits of a single", double(1234.5678f), true, "1,234.568");
        add("single drops its 8th digit", 1234567.25, true, "1,234,567.");
        add("double keeps it", 1234567.25, false, "1,234,567.25");
        add("single 12345678", 12345678, true, "12,345,680.");
        add("double 12345678", 12345678, false, "12,345,678.");
        add("single 100000.046875", 100000.046875, true, "100,000.");
        add("double 100000.046875", 100000.046875, false, "100,000.04688");
        add("two thirds", 2.0 / 3.0, false, ".66667");
        add("below half of the last place", 0.000004, false, ".");
        add("half of the last place rounds up", 0.000005, false, ".00001");
        add("last place", 0.00001, false, ".00001");
        add("carry through every digit", 999999.999996, false, "1,000,000.");
        add("carry in the fraction", 0.999996, false, "1.");
        add("1E20", 1e20, false, "100,000,000,000,000,000,000.");
        add("15 digits first, then 5 decimals", 0.123456789012345678, false, ".12346");
        add("decimal tie away from zero", 2.000005, false, "2.00001");
        add("negative decimal tie away from zero", -2.000005, false, "-2.00001");
        add("15-digit tie to even, down", 1234567890123445.0, false, "1,234,567,890,123,440.");
        add("15-digit tie to even, up", 1234567890123455.0, false, "1,234,567,890,123,460.");
        add("7-digit tie to even, down", 12345665.0, true, "12,345,660.");
        add("7-digit tie to even, up", 12345675.0, true, "12,345,680.");
        add("single nearest 0.1 times 63360", double(0.1f) * 63360.0, false, "6,336.00009");
        add("single 528", double(float(double(0.1f) * 5280.0)), true, "528.");
        add("negative zero", -0.0, false, ".");
        add("tiny negative shows no minus", -0.000001, false, ".");
        add("tiny negative single", double(-1e-7f), true, ".");
        add("negative fraction", -0.25, false, "-.25");
        add("one group exactly", 123, false, "123.");
        add("two groups", 1234, false, "1,234.");
        add("three groups", 1234567, false, "1,234,567.");
        add("trailing zeros trimmed", 1.5, false, "1.5");
        add("smallest subnormal", 4.9406564584124654e-324, false, ".");
        add("largest single", 3.4028234663852886e38, true, "340,282,300,000,000,000,000,000,000,000,000,000,000.");
        // 1.79769313486232E308: 309 integer digits, every one shown.
        static std::string largest = [] {
            std::string text = "179,769,313,486,232";
            for (int group = 0; group < 98; ++group)
                text += ",000";
            return text + ".";
        }();
        add("largest double", 1.7976931348623157e308, false, largest.c_str());
        add("infinity renders empty", kInf, false, "");
        add("NaN renders empty", std::nan(""), false, "");
    }
    void formatResult() {
        QFETCH(double, value);
        QFETCH(bool, single);
        QFETCH(std::string, expected);
        const std::string text = FormatResult(value, single ? ResultPrecision::Single : ResultPrecision::Double);
        QCOMPARE(QString::fromStdString(text), QString::fromStdString(expected));
    }

    // Many values, among them exact ties at the 8th and 16th digit and at the
    // 6th decimal, against the slow rendering.
    void formatMatchesSlowRendering_data() {
        QTest::addColumn<int>("family");
        QTest::newRow("random doubles") << 0;
        QTest::newRow("random singles") << 1;
        QTest::newRow("16-digit integers ending in 5") << 2;
        QTest::newRow("8-digit integers ending in 5 as singles") << 3;
        QTest::newRow("decimal ties at the 6th decimal") << 4;
        QTest::newRow("binary fractions") << 5;
        QTest::newRow("any finite bit pattern") << 6;
    }
    void formatMatchesSlowRendering() {
        QFETCH(int, family);
        std::mt19937_64 random(20261207 + family);
        std::uniform_real_distribution<double> mantissa(1.0, 10.0);
        std::uniform_int_distribution<int> exponent(-9, 24);
        for (int n = 0; n < 100000; ++n) {
            double value = 0;
            bool single = false;
            switch (family) {
            case 0: value = mantissa(random) * std::pow(10.0, exponent(random)); break;
            case 1: {
                std::uint32_t bits = static_cast<std::uint32_t>(random()) & 0x7FFFFFFFu;
                bits = (bits & 0x807FFFFFu) | ((90u + bits % 90u) << 23);  // exponents 2^-37 .. 2^52
                float f;
                std::memcpy(&f, &bits, sizeof f);
                value = f;
                single = true;
                break;
            }
            case 2: value = double(random() % 900000000000000ull + 100000000000000ull) * 10 + 5; break;
            case 3:
                value = double(float(double(random() % 1600000 + 100000) * 10 + 5));
                single = true;
                break;
            case 4: value = double(random() % 10000000) + (double(random() % 100000) * 10 + 5) / 1e6; break;
            case 5: value = double(random() % 1000000000) / 1024.0; break;
            case 6: {
                const std::uint64_t bits = random();
                std::memcpy(&value, &bits, sizeof value);
                if (!std::isfinite(value))
                    value = 0;
                single = bits & 2;
                break;
            }
            }
            if (random() & 1)
                value = -value;
            const std::string fast = FormatResult(value, single ? ResultPrecision::Single : ResultPrecision::Double);
            const std::string slow = slowRender(value, single ? 7 : 15);
            if (fast != slow) {
                char bits[64];
                std::snprintf(bits, sizeof bits, "%a", value);
                const std::string message = std::string(bits) + ": " + fast + " vs " + slow;
                QFAIL(message.c_str());
            }
        }
    }

    void separators_data() {
        QTest::addColumn<std::string>("thousands");
        QTest::addColumn<std::string>("decimal");
        QTest::addColumn<double>("value");
        QTest::addColumn<std::string>("expected");
        QTest::newRow("German") << std::string(".") << std::string(",") << 1234.5 << std::string("1.234,5");
        QTest::newRow("German whole") << std::string(".") << std::string(",") << 5.0 << std::string("5,");
        QTest::newRow("German zero") << std::string(".") << std::string(",") << 0.0 << std::string(",");
        QTest::newRow("no-break space groups") << std::string("\xC2\xA0") << std::string(",") << -7654321.0
                                               << std::string("-7\xC2\xA0"
                                                              "654\xC2\xA0"
                                                              "321,");
        QTest::newRow("narrow no-break space") << std::string("\xE2\x80\xAF") << std::string(",") << 12345.0
                                               << std::string("12\xE2\x80\xAF"
                                                              "345,");
        QTest::newRow("Arabic separators") << std::string("\xD9\xAC") << std::string("\xD9\xAB") << 1000.25
                                           << std::string("1\xD9\xAC"
                                                          "000\xD9\xAB"
                                                          "25");
        QTest::newRow("no grouping") << std::string() << std::string(".") << 1234567.0 << std::string("1234567.");
    }
    void separators() {
        QFETCH(std::string, thousands);
        QFETCH(std::string, decimal);
        QFETCH(double, value);
        QFETCH(std::string, expected);
        const std::string text = FormatResult(value, ResultPrecision::Single, NumberSeparators{thousands, decimal});
        QCOMPARE(QString::fromStdString(text), QString::fromStdString(expected));
    }
};

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_number_text.moc"
