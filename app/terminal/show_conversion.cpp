// SPDX-License-Identifier: GPL-3.0-or-later
#include "show_conversion.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include "command_line.h"
#include "engine/unit_words.h"
#include "forms/forms.h"
#include "runtime/locale_number.h"
#include "runtime/user_number.h"
#include "terminal_messages.h"

namespace zelvar {
namespace {

constexpr qsizetype kLongestEntry = 32767;

int refuse(const std::string& why) {
    complain(why);
    return kExitUsage;
}

template <typename Control> Control& control(QWidget& form, const char* name) {
    auto* found = form.findChild<Control*>(QLatin1String(name));
    Q_ASSERT(found);
    return *found;
}

}  // namespace

std::variant<ShownConversion, int> checkShownConversion(const QString& number, const QString& unit) {
    const std::optional<LengthUnit> found = unitFromWord(unit.toStdString());
    if (!found)
        return refuse(unknownUnit(unit.toStdString()));
    if (number.size() > kLongestEntry || !UserNumberReader().read(number.toStdString()))
        return refuse("not a number: " + quoted(number.toStdString()));
    return ShownConversion{numberForReader(number, QLocale::system()).value_or(number.trimmed()), *found};
}

ProjectHeader withConversionShown(ProjectHeader project, const ShownConversion& conversion) {
    project.startupForm = [conversion]() -> QWidget& {
        FrmConver& form = frmConver();
        control<QLineEdit>(form, "txtUserData").setText(conversion.entry);
        auto& units = control<QComboBox>(form, "cboMeasures");
        const std::string_view name = unitName(conversion.unit);
        const int picked = units.findText(QString::fromUtf8(name.data(), qsizetype(name.size())));
        units.setCurrentIndex(picked);
        emit units.activated(picked);
        control<QPushButton>(form, "cmdConvert").click();
        return form;
    };
    return project;
}

}  // namespace zelvar
