// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QtTest>
#include <map>
#include <memory>

#include "forms/frm_conver.h"
#include "gui_test_support.h"

namespace zelvar::test {

// Where each unit's result field and caption stand in the grid: the column
// and the row, counted from the top (smallest unit) down.
struct GridPlace {
    QString field;
    QString caption;
    bool metric;
    int row;
};

inline const std::map<QString, GridPlace> kGrid{
    {"INCHES", {"lb3Inch", "lbInches", false, 0}},  {"MILLIMETERS", {"lb6MilMeter", "lbMilis", true, 0}},
    {"FEET", {"lb2Foot", "lbFeet", false, 1}},      {"CENTIMETERS", {"lb5CentMeter", "lbCents", true, 1}},
    {"YARDS", {"lb1Yard", "lbYards", false, 2}},    {"DECIMETERS", {"lbDeci", "lbDecimeters", true, 2}},
    {"RODS", {"lbRod", "lbRods", false, 3}},        {"METERS", {"lb4Meter", "lbMeters", true, 3}},
    {"FURLONG", {"lbFurl", "lbFurlong", false, 4}}, {"DEKAMETERS", {"lbDeka", "lbDekameter", true, 4}},
    {"MILES", {"lb7Mile", "lbMiles", false, 5}},    {"HECTOMETERS", {"lbHecto", "lbHectometer", true, 5}},
    {"LEAGUE", {"lbLeag", "lbLeague", false, 6}},   {"KILOMETERS", {"lb8Kilo", "lbKilos", true, 6}},
};

// A shown, active converter window for each test, and a check that no
// modal window appeared that the test did not ask for.
class FrmConverFixture : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<FrmConver> window;
    ModalWatch modals;

    QComboBox& units() { return childOf<QComboBox>(*window, QStringLiteral("cboMeasures")); }
    QLineEdit& entry() { return childOf<QLineEdit>(*window, QStringLiteral("txtUserData")); }
    QPushButton& button(const char* name) { return childOf<QPushButton>(*window, QString::fromLatin1(name)); }
    QLabel& label(const QString& name) { return childOf<QLabel>(*window, name); }
    QLabel& fieldOf(const QString& unit) { return label(kGrid.at(unit).field); }

    // A unit's result field while empty, in pixels: 135 x 315 twips, its
    // right edge at 1515 (customary) or 4395 (metric) twips.
    static QRect emptyField(const QString& unit) {
        const GridPlace& place = kGrid.at(unit);
        const int right = place.metric ? 4395 : 1515;
        const int top = 1620 + 330 * place.row;
        return QRect((right - 135) / 15, top / 15, 135 / 15, 315 / 15);
    }

    // Every result field's text, by unit name.
    std::map<QString, QString> fields() {
        std::map<QString, QString> texts;
        for (const auto& [unit, place] : kGrid)
            texts[unit] = label(place.field).text();
        return texts;
    }

    void typeEntry(const QString& text) {
        entry().setFocus();
        entry().selectAll();
        QTest::keyClicks(&entry(), text);
    }

protected slots:
    void init() {
        modals.start();
        window = std::make_unique<FrmConver>();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    void cleanup() {
        window.reset();
        const QStringList unexpected = modals.stop();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join('\n')));
    }
};

}  // namespace zelvar::test
