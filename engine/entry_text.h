// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// What the window's number entry holds, for the texts that reach it from
// elsewhere: the terminal, a desktop's search, a written length.
namespace zelvar {

// The longest text the entry holds, in UTF-16 units as Qt counts a text's
// length: the longest a single-line text box has always held.
inline constexpr int kLongestEntry = 32767;

// The length of UTF-8 text in UTF-16 units, as the entry counts it.
std::size_t entryLength(std::string_view utf8);

// Whether UTF-8 text fits in the entry.
bool fitsEntry(std::string_view utf8);

enum class Notation { Shortest, Fixed };

// The shortest number, in the reader's form ('.'), that the entry narrows
// back to `entered` (finite): "70" for 70, "0.33333334" for the single
// nearest 1/3. Notation::Fixed writes the same digits without an exponent:
// "1000000000000" rather than "1e+12".
std::string shortestEntryNumber(float entered, Notation notation = Notation::Shortest);

}  // namespace zelvar
