#pragma once

#include <string>
#include <string_view>

#include "conversion_table.h"

namespace zelvar {

// Reads the number at the start of a typed text (UTF-8): optional sign,
// digits with at most one '.', an optional exponent introduced by E or D;
// or an &H hexadecimal / &O octal integer. Space, tab, line feed and carriage
// return are skipped wherever they stand; the first other character that
// cannot continue the number ends it. No digit gives 0. A number beyond the
// double range gives an infinity of its sign. Never returns NaN.
double ReadNumber(std::string_view text);

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

}  // namespace zelvar
