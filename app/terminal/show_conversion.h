// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <variant>

#include "shown_conversion.h"

namespace zelvar {

// --show's words, a length, judged by --convert's rules: the conversion to
// show, or, after a line on standard error, the exit status. A target after
// the length changes nothing, as the window shows every unit; but the window
// has no answer in feet and inches, so that is refused.
std::variant<ShownConversion, int> checkShownConversion(const QStringList& words);

}  // namespace zelvar
