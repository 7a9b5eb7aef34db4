// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "result_precision.h"

namespace zelvar {

// The user's separators for rendering; either may be several bytes long.
struct NumberSeparators {
    std::string thousands{","};
    std::string decimal{"."};
};

// Renders a result with the pattern "#,###,###.#####": 7 (Single) or 15
// (Double) significant digits, then at most five decimals (halves away from
// zero), grouped integer digits (none when zero), the decimal separator always,
// trailing zeros trimmed, '-' only when a non-zero digit is shown.
// A value that is not finite renders as the empty text.
std::string FormatResult(double value, ResultPrecision precision, const NumberSeparators& separators = {});

// The same figure for other programs to read: the same significant digits,
// no grouping, '.' as the decimal point, a 0 before a leading point, 0 for
// zero, and no point after a whole number ("12", "0.00021", "-0.5").
std::string PlainResult(double value, ResultPrecision precision);

}  // namespace zelvar
