// SPDX-License-Identifier: GPL-3.0-or-later
#include "shown_conversion.h"

#include "forms/forms.h"
#include "forms/frm_conver.h"

namespace zelvar {

ProjectHeader withConversionShown(ProjectHeader project, const ShownConversion& conversion) {
    project.startupForm = [conversion]() -> QWidget& {
        FrmConver& form = frmConver();
        form.enterAndConvert(conversion.entry, conversion.unit);
        return form;
    };
    return project;
}

}  // namespace zelvar
