// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace zelvar {

// Reads the number at the start of a typed text (UTF-8): optional sign,
// digits with at most one '.', an optional exponent introduced by E or D;
// or an &H hexadecimal / &O octal integer. Space, tab, line feed and carriage
// return are skipped wherever they stand; the first other character that
// cannot continue the number ends it. No digit gives 0. A number beyond the
// double range gives an infinity of its sign. Never returns NaN.
double ReadNumber(std::string_view text);

}  // namespace zelvar
