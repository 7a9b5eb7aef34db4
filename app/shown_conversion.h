// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "engine/units.h"
#include "runtime/program.h"

namespace zelvar {

// What --show asked for: the converter window with a number converted.
struct ShownConversion {
    QString entry;  // the number as the entry takes it, which reads back to the length
    LengthUnit unit;
};

// The project with the converter window as its start-up form, loaded with
// the number in the entry, the unit picked and CONVERT run, each through the
// window's own handlers, before it shows; no splash, as the person asked for
// one figure. From then on it is the window as always.
ProjectHeader withConversionShown(ProjectHeader project, const ShownConversion& conversion);

}  // namespace zelvar
