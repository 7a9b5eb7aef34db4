// SPDX-License-Identifier: GPL-3.0-or-later
#include "show_conversion.h"

#include <QLocale>

#include "command_line.h"
#include "engine/unit_words.h"
#include "forms/forms.h"
#include "forms/frm_conver.h"
#include "runtime/locale_number.h"
#include "runtime/user_number.h"
#include "terminal_messages.h"

namespace zelvar {
namespace {

int refuse(const std::string& why) {
    complain(why);
    return kExitUsage;
}

}  // namespace

std::variant<ShownConversion, int> checkShownConversion(const QString& number, const QString& unit) {
    const std::optional<LengthUnit> found = unitFromWord(unit.toStdString());
    if (!found)
        return refuse(unknownUnit(unit.toStdString()));
    const std::string typed = number.toStdString();
    if (!UserNumberReader().read(typed))
        return refuse(notANumber(typed));
    return ShownConversion{numberForReader(number, QLocale::system()).value_or(number.trimmed()), *found};
}

ProjectHeader withConversionShown(ProjectHeader project, const ShownConversion& conversion) {
    project.startupForm = [conversion]() -> QWidget& {
        FrmConver& form = frmConver();
        form.enterAndConvert(conversion.entry, conversion.unit);
        return form;
    };
    return project;
}

}  // namespace zelvar
