// SPDX-License-Identifier: GPL-3.0-or-later
#include "show_conversion.h"

#include <QLocale>

#include "command_line.h"
#include "forms/forms.h"
#include "forms/frm_conver.h"
#include "runtime/locale_number.h"
#include "terminal_messages.h"
#include "typed_length.h"

namespace zelvar {

std::variant<ShownConversion, int> checkShownConversion(const QStringList& words) {
    std::variant<TypedLength, int> typed = readTypedLength(words);
    if (const int* status = std::get_if<int>(&typed))
        return *status;
    const TypedLength& length = std::get<TypedLength>(typed);
    if (length.target && length.target->isFeetAndInches()) {
        complain("the window has no answer in feet and inches; --convert gives it");
        return kExitUsage;
    }
    // A number typed as a number goes in as typed, in the reader's form; a
    // written length as the shortest number that reads back to its value.
    const QString entry = length.number
                              ? numberForReader(*length.number, QLocale::system()).value_or(length.number->trimmed())
                              : QString::fromStdString(enteredNumberText(length.entered));
    return ShownConversion{entry, length.unit};
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
