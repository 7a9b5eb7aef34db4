// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// What the program says in the terminal when it refuses something: one line
// on standard error, after the program's name, as other command-line tools do.
namespace zelvar {

// The name the program's lines start with: its executable's.
std::string programName();

// Writes "zelvar: text" and a line end to standard error.
void complain(std::string_view text);

// Something typed, for a message: in quotes, cut after 60 characters (never
// inside one), with each control character shown as '?' and each byte that
// is no part of well-formed UTF-8 as \xHH, so that what a person typed
// cannot move the cursor or retitle the terminal.
std::string quoted(std::string_view utf8);

// "not a number: 'text'", or, for a text longer than the entry holds, that
// it is longer (longerThanEntry).
std::string notANumber(std::string_view utf8);
std::string longerThanEntry();

// "not a length: 'text'", and why when there is more to say.
std::string notALength(std::string_view utf8, std::string_view why = {});

// "unknown unit 'word'; the units are:" and the words each unit answers to.
std::string unknownUnit(std::string_view word);

}  // namespace zelvar
