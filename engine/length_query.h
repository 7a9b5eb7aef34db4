// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "units.h"

namespace zelvar {

// A length typed into a desktop's search: a number, its unit, and maybe the
// one unit to convert it into.
struct LengthQuery {
    std::string number;  // as typed, in the user's form
    float entered;       // its value, as the entry would hold it
    LengthUnit unit;
    std::optional<LengthUnit> target;
};

// Reads a number as the terminal does (in the user's locale form); nothing
// when the text is no number. The engine has no locale, so callers pass it in.
using NumberReader = std::function<std::optional<float>(std::string_view)>;

// The longest query that can be a length: the entry's 32767 characters of
// number, at most three bytes each, and room for the units.
inline constexpr std::size_t kLongestLengthQuery = 32767 * 3 + 64;

// Reads a query whose terms are separated by spaces (a run of spaces counts as
// one): NUMBER UNIT, or NUMBERUNIT with nothing between ("5ft"), optionally
// followed by one of "in", "to", "as", "=" or ">" and a second UNIT. A UNIT
// is any word unitFromWord knows. The number may itself hold spaces where
// the user's locale groups digits with them. Nothing for any other text, for
// a text with a control character, or when the target is the unit itself.
// Most texts a desktop asks about are no lengths, so they are turned down
// before any number is read.
std::optional<LengthQuery> readLengthQuery(std::string_view text, const NumberReader& readNumber);

}  // namespace zelvar
