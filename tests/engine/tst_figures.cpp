// SPDX-License-Identifier: GPL-3.0-or-later
// The figures of chosen units, for the terminal and the desktop's search: as
// the window shows them after CONVERT, or plain for other programs to read.
#include <QtTest>

#include <string>
#include <vector>

#include "engine/convert.h"
#include "engine/figures.h"
#include "engine/read_number.h"

using namespace zelvar;

Q_DECLARE_METATYPE(std::string)

namespace {

// A window figure in the plain form: no grouping, a 0 before a leading
// point, no point after a whole number, 0 for zero.
std::string plainOf(std::string figure) {
    std::erase(figure, ',');
    if (figure.ends_with('.'))
        figure.pop_back();
    const std::size_t sign = figure.starts_with('-');
    if (figure.size() == sign || figure[sign] == '.')
        figure.insert(sign, 1, '0');
    return figure;
}

}  // namespace

class TstFigures : public QObject {
    Q_OBJECT

private slots:
    void figures_data() {
        QTest::addColumn<std::string>("typed");
        for (const char* typed : {"1", "-2.5", "0", "0.1", "1E-3", "123456789", "&H7FF", "1E20", "7E31", "1E35",
                                  "-1E38", "3.4028235E38", "1E39"})
            QTest::newRow(typed) << std::string(typed);
    }
    // From every unit into all fourteen, in reverse unit-list order: each
    // figure is the window's after CONVERT (the entered value itself for the
    // source unit), and nothing at all where CONVERT reports an overflow,
    // even for a unit alone that would fit.
    void figures() {
        QFETCH(std::string, typed);
        const float entered = static_cast<float>(ReadNumber(typed));
        const NumberSeparators german{".", ","};
        std::vector<LengthUnit> everyUnit;
        for (auto info = kUnits.rbegin(); info != kUnits.rend(); ++info)
            everyUnit.push_back(info->unit);
        for (const UnitInfo& source : kUnits) {
            const ConvertResult grid = convertEntry(typed, source.name),
                                shown = convertEntry(typed, source.name, german);
            const bool converted = grid.status == ConvertStatus::Converted;
            std::string window, plain, windowFigures, plainFigures, alone = "kept";
            for (const LengthUnit unit : everyUnit) {
                const bool own = unit == source.unit;
                window += (window.empty() ? "" : "\t") + (own ? FormatResult(entered, ResultPrecision::Single, german)
                                                              : shown.captions[unitIndex(unit)]);
                plain += (plain.empty() ? "" : "|") +
                         plainOf(own ? FormatResult(entered, ResultPrecision::Single) : grid.captions[unitIndex(unit)]);
            }
            const auto append = [&](std::vector<LengthUnit> units, FigureStyle style, char separator,
                                    std::string& out) {
                return FigureConverter(source.unit, std::move(units), style, german).append(entered, separator, out);
            };
            QCOMPARE(append(everyUnit, FigureStyle::Window, '\t', windowFigures), converted);
            QCOMPARE(append(everyUnit, FigureStyle::Plain, '|', plainFigures), converted);
            QCOMPARE(append({source.unit}, FigureStyle::Plain, '|', alone), converted);
            QCOMPARE(QString::fromStdString(windowFigures), QString::fromStdString(converted ? window : ""));
            QCOMPARE(QString::fromStdString(plainFigures), QString::fromStdString(converted ? plain : ""));
            QVERIFY(alone.starts_with("kept"));
        }
    }
};

QTEST_APPLESS_MAIN(TstFigures)
#include "tst_figures.moc"
