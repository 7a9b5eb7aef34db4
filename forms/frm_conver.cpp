// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_conver.h"

#include <QAction>
#include <QComboBox>
#include <QIcon>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include "engine/convert.h"
#include "form_builder.h"
#include "frm_conver_layout.h"
#include "keypad_decimal_point.h"
#include "result_field_copy.h"
#include "results_for_screen_reader.h"
#include "runtime/controls.h"
#include "runtime/fonts.h"
#include "runtime/form_life.h"
#include "runtime/locale_number.h"
#include "runtime/messages.h"
#include "runtime/pictures.h"
#include "runtime/program.h"
#include "runtime/qt_text.h"
#include "runtime/twips.h"
#include "zelvar_identity.h"

namespace zelvar {
namespace {

template <typename Control> Control* control(const QObject& form, std::string_view name) {
    auto* found = form.findChild<Control*>(qtText(name));
    Q_ASSERT(found);
    return found;
}

}  // namespace

FrmConver::FrmConver(QWidget* parent) : QMainWindow(parent) {
    buildWindow();
    bindEvents();
    Form_Load();
    layout()->activate();  // the fixed size, before placing the window
    centreOnScreen(*this);
}

void FrmConver::buildWindow() {
    setObjectName(qtText(frm_conver::kName));
    setWindowTitle(qtText(frm_conver::kCaption));
    setWindowIcon(iconWithSharpSizes(qtText(frm_conver::kIcon)));
    // A title bar with the icon and a close box; no minimise or maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    auto* client = new QWidget(this);
    client->setFixedSize(twipsSize(frm_conver::kClientWidth, frm_conver::kClientHeight));
    client->setBackgroundRole(QPalette::Button);
    client->setAutoFillBackground(true);
    client->setFont(makeFont(kDialogFont));
    setCentralWidget(client);
    buildControls(*client, frm_conver::kControls);

    menuBar()->setNativeMenuBar(false);
    buildMenuBar(*menuBar(), frm_conver::kMenus);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    cboMeasures = control<DropDownCombo>(*this, "cboMeasures");
    txtUserData = control<QLineEdit>(*this, "txtUserData");
    cmdConvert = control<QPushButton>(*this, "cmdConvert");
    cmdClear = control<QPushButton>(*this, "cmdClear");
    for (const frm_conver::UnitControlsRow& row : frm_conver::kUnitControls) {
        AutoSizeLabel* field = control<AutoSizeLabel>(*this, row.field);
        resultFields[unitIndex(row.unit)] = field;
        field->setAccessibleDescription(qtText(frm_conver::kResultFieldDescription) + qtText(unitName(row.unit)));
        offerCopy(*field);
    }
    resultsForScreenReader = new ResultsForScreenReader(*client, resultFields);
    for (const frm_conver::AccessibleNameRow& row : frm_conver::kAccessibleNames)
        control<QWidget>(*this, row.control)->setAccessibleName(qtText(row.name));
    typeDotFromKeypad(*txtUserData);
    txtUserData->setFocus();
}

void FrmConver::bindEvents() {
    bindHandler(cboMeasures, &QComboBox::activated, this, &FrmConver::cboMeasures_Click);
    bindHandler(cmdConvert, &QPushButton::clicked, this, &FrmConver::cmdConvert_Click);
    bindHandler(cmdClear, &QPushButton::clicked, this, &FrmConver::cmdClear_Click);
    bindHandler(control<QAction>(*this, "mnuClearItem"), &QAction::triggered, this, &FrmConver::mnuClearItem_Click);
    bindHandler(control<QAction>(*this, "mnuExitItem"), &QAction::triggered, this, &FrmConver::mnuExitItem_Click);
    bindHandler(control<QAction>(*this, "mnuAbout"), &QAction::triggered, this, &FrmConver::mnuAbout_Click);
}

AutoSizeLabel& FrmConver::resultField(LengthUnit unit) const {
    return *resultFields[unitIndex(unit)];
}

void FrmConver::enterAndConvert(const QString& number, LengthUnit unit) {
    txtUserData->setText(number);
    cboMeasures->setCurrentIndex(cboMeasures->findText(qtText(unitName(unit))));
    runHandler([this] { cboMeasures_Click(); });
    runHandler([this] { cmdConvert_Click(); });
}

void FrmConver::Form_Load() {
    for (const UnitInfo& unit : kUnits)
        cboMeasures->appendItem(qtText(unit.name));
}

// Marks the picked unit's result field with the unit's name.
void FrmConver::cboMeasures_Click() {
    const QString picked = cboMeasures->currentText();
    if (const std::optional<LengthUnit> unit = unitFromName(picked.toStdString()))
        resultField(*unit).setCaption(picked);
}

// Converts the typed number from the chosen unit into the other thirteen. The
// row is computed whole before any field changes, so an overflow is reported
// with every field as it was, and the program goes on.
void FrmConver::cmdConvert_Click() {
    const ConvertResult result = convertEntry(txtUserData->text().toStdString(),
                                              cboMeasures->currentText().toStdString(), userNumberSeparators());
    switch (result.status) {
    case ConvertStatus::NoUnit: return;
    case ConvertStatus::Overflow: reportRunTimeError(kOverflowError); return;
    case ConvertStatus::Converted:
        for (const UnitInfo& unit : kUnits)
            resultField(unit.unit).setCaption(QString::fromStdString(result.captions[unitIndex(unit.unit)]));
        resultsForScreenReader->announceConversion();
        return;
    }
}

void FrmConver::cmdClear_Click() {
    clearResultFields();
}

void FrmConver::mnuClearItem_Click() {
    clearResultFields();
}

void FrmConver::clearResultFields() {
    for (const UnitInfo& unit : kUnits)
        resultField(unit.unit).setCaption(QString());
}

void FrmConver::mnuAbout_Click() {
    showMessage(this, QStringLiteral("Send comments to: " ZELVAR_FEEDBACK_EMAIL "   Check out: " ZELVAR_HOME_PAGE));
}

void FrmConver::mnuExitItem_Click() {
    endProgram();
}

}  // namespace zelvar
