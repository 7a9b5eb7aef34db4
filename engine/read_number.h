// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace zelvar {

// Reads the number at the start of a typed text (UTF-8): optional sign,
// digits with at most one '.', an optional exponent introduced by E or D;
// or an &H hexadecimal / &O octal integer. Space, tab, line feed and carriage
// return are skipped wherever they stand; the first other character that
// cannot continue the number ends it. No digit gives 0. A number beyond the
// double range gives an infinity of its sign. Never returns NaN.
double ReadNumber(std::string_view text);

// Whether a text, once blanks (space, tab, CR, LF) are trimmed from its ends,
// is wholly one number ReadNumber reads, with no blank inside: an optional
// sign, digits with at most one '.' (at least one digit), and optionally E or
// D (either case), an optional sign and digits; or &H and hexadecimal digits,
// or &O and octal digits. ReadNumber reads the first number of any text;
// this tells where nothing else follows it.
bool isWholeNumber(std::string_view text);

// The byte length of the longest start of text that isWholeNumber accepts
// (no blank in it); 0 when none.
std::size_t wholeNumberPrefix(std::string_view text);

// ReadNumber's value of a text that isWholeNumber accepts; nothing for any
// other text. Quicker than asking both for the commonest numbers.
std::optional<double> ReadWholeNumber(std::string_view text);

}  // namespace zelvar
