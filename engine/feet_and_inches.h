// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "figures.h"
#include "format_result.h"
#include "units.h"

namespace zelvar {

// The answer "5 ft 10.866 in" for a length entered in a unit. It splits a
// figure of inches digit for digit, and adds no rounding of its own: for a
// length held in inches, the shortest number the entry reads back to it
// (so that 5 ft 10.25 in comes back as typed); for any other, the INCHES
// figure the window shows for it. F is the whole feet in the figure's
// magnitude, R the figure less 12 F, with the figure's own decimals, "0"
// before a leading decimal mark and "0" when nothing is left. A minus sign
// opens the text when the figure shows one and is not zero.
//
// The Window style writes F with the user's grouping and R with the user's
// decimal mark; the Plain style, for other programs to read, writes no
// grouping and '.'. The symbols after F and R are a language's short forms
// (fr "5 pi 10.866 po"), "ft" and "in" unless one is given. Nothing when
// CONVERT would report an overflow.
std::optional<std::string> feetAndInchesText(LengthUnit unit, float entered, FigureStyle style,
                                             const NumberSeparators& separators = {},
                                             std::string_view feetSymbol = "ft", std::string_view inchesSymbol = "in");

}  // namespace zelvar
