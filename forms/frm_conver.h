// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <array>

#include "engine/units.h"

class QLineEdit;
class QPushButton;

namespace zelvar {

class AutoSizeLabel;
class DropDownCombo;
class ResultsForScreenReader;

// The converter window: a number, its unit, CONVERT, and the value in all
// fourteen units. Constructing it loads it: its controls are built from the
// layout table and Form_Load has filled the unit list before it is shown.
class FrmConver : public QMainWindow {
    Q_OBJECT

public:
    explicit FrmConver(QWidget* parent = nullptr);

    // Converts a number as a person would: the text typed into the entry,
    // the unit picked from the list, then CONVERT, each through the window's
    // own handlers.
    void enterAndConvert(const QString& number, LengthUnit unit);

private slots:
    void Form_Load();
    void cboMeasures_Click();
    void cmdConvert_Click();
    void cmdClear_Click();
    void mnuClearItem_Click();
    void mnuAbout_Click();
    void mnuExitItem_Click();

private:
    void buildWindow();
    void bindEvents();
    AutoSizeLabel& resultField(LengthUnit unit) const;
    void clearResultFields();

    DropDownCombo* cboMeasures = nullptr;
    QLineEdit* txtUserData = nullptr;
    QPushButton* cmdConvert = nullptr;
    QPushButton* cmdClear = nullptr;
    std::array<AutoSizeLabel*, kUnitCount> resultFields{};  // unit-list order
    ResultsForScreenReader* resultsForScreenReader = nullptr;
};

}  // namespace zelvar
