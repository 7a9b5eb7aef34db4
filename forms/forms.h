// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frm_conver.h"
#include "frm_splash.h"

// The program's two forms, each a single global instance created on first
// use (which loads it) and living until it is unloaded.
namespace zelvar {

FrmConver& frmConver();
FrmSplash& frmSplash();

}  // namespace zelvar
