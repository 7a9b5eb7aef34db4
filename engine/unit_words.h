// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "units.h"

namespace zelvar {

// A word people use for a unit when they type it rather than pick it.
struct UnitWord {
    std::string_view word;
    LengthUnit unit;
};

// Every accepted word, each unit's group together in unit-list order: the
// name as the unit list shows it, singular and plural, British spellings
// ("metre"), both "dekameter" and "decameter", and the usual symbol.
std::span<const UnitWord> unitWords();

// The unit a typed word names, compared without regard to ASCII case. A word
// longer than any in the table is turned down at once.
std::optional<LengthUnit> unitFromWord(std::string_view word);

}  // namespace zelvar
