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

// Every English word, each unit's together in unit-list order: the names
// and symbols CLDR gives (singular and plural, American and British) and
// the program's own (league, rod, lea, rd, fur). Other languages' words are
// the vocabulary's (unit_vocabulary.h).
std::span<const UnitWord> unitWords();

// The unit an English word names, folded as the reader folds words: case,
// compatibility forms and diacritics do not matter.
std::optional<LengthUnit> unitFromWord(std::string_view word);

}  // namespace zelvar
