// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms.h"

#include "runtime/form_life.h"

namespace zelvar {

FrmConver& frmConver() {
    return globalForm<FrmConver>();
}

FrmSplash& frmSplash() {
    return globalForm<FrmSplash>();
}

}  // namespace zelvar
