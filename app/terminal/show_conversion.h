// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <variant>

#include "engine/units.h"
#include "runtime/program.h"

namespace zelvar {

// What --show asked for: the converter window with a number converted.
struct ShownConversion {
    QString entry;  // the number as the entry takes it, as a paste would put it there
    LengthUnit unit;
};

// --show's words, NUMBER UNIT or a length, judged by --convert's rules: the
// conversion to show, or, after a line on standard error, the exit status.
// A target after the length changes nothing, as the window shows every
// unit; but the window has no answer in feet and inches, so that is refused.
std::variant<ShownConversion, int> checkShownConversion(const QStringList& words);

// The project with the converter window as its start-up form, loaded with
// the number in the entry, the unit picked and CONVERT run, each through the
// window's own handlers, before it shows; no splash, as the person asked for
// one figure. From then on it is the window as always.
ProjectHeader withConversionShown(ProjectHeader project, const ShownConversion& conversion);

}  // namespace zelvar
