// SPDX-License-Identifier: GPL-3.0-or-later
#include "zelvar_project.h"

#include "forms/forms.h"
#include "zelvar_identity.h"

namespace zelvar {

ProjectHeader zelvarProject() {
    return ProjectHeader{
        .title = QStringLiteral(ZELVAR_TITLE),
        .executableName = QStringLiteral(ZELVAR_EXECUTABLE_NAME),
        .desktopFileName = QStringLiteral(ZELVAR_APP_ID),
        .icon = QStringLiteral(":/pictures/zelvar.ico"),
        .major = ZELVAR_VERSION_MAJOR,
        .minor = ZELVAR_VERSION_MINOR,
        .revision = ZELVAR_VERSION_REVISION,
        .startupForm = []() -> QWidget& { return frmSplash(); },
    };
}

}  // namespace zelvar
