// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/program.h"

namespace zelvar {

// Zelvar's project header: its title, version, identity on the desktop and
// its start-up form, the splash window.
ProjectHeader zelvarProject();

}  // namespace zelvar
