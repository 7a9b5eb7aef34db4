// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "units.h"

// The words of the languages the terminal and the search read and answer
// in, generated from CLDR (through ICU) and engine/unit_words_overlay.txt by
// `make unit-words`; unit_vocabulary_data.cpp is that generated file.
//
// Languages are named as the overlay names them: en, de, fr, es, it,
// pt_BR, pt_PT, nl, sv, pl, cs, ru, uk, tr, ja, zh_Hans, zh_Hant.
namespace zelvar {

// A word that names a unit after a number, or as a target: a name in any
// plural form and grammatical case, a symbol, an abbreviation. As the
// language writes it; the reader folds it (foldedForMatching).
struct VocabularyWord {
    std::string_view language;
    std::string_view word;
    LengthUnit unit;
};

// A word between a length and its target ("in", "nach", "は何").
struct VocabularyConnector {
    std::string_view language;
    std::string_view word;
};

// A word that, in a language, is refused wherever it stands: Swedish "mil"
// is ten kilometres, not a mile.
struct VocabularyRefusal {
    std::string_view language;
    std::string_view word;
};

// CLDR's plural categories.
enum class PluralCategory : std::uint8_t { Zero, One, Two, Few, Many, Other };

// A unit's full name after a figure of a plural category, in the
// nominative ("Meter", "метра"), for answers.
struct UnitDisplayName {
    std::string_view language;
    LengthUnit unit;
    PluralCategory category;
    std::string_view name;
};

// The short forms an answer in feet and inches uses: de "ft", "in"; fr
// "pi", "po".
struct FeetAndInchesSymbols {
    std::string_view language;
    std::string_view feet;
    std::string_view inches;
};

// A code point and what matching reads it as: its compatibility
// decomposition, fully case-folded, without the combining diacritical
// marks U+0300-U+036F, and U+0130 (İ) as "i". Sorted by code point; a code
// point not listed reads as itself.
struct FoldedCharacter {
    char32_t codePoint;
    std::string_view folded;
};

std::span<const VocabularyWord> vocabularyWords();
std::span<const VocabularyConnector> vocabularyConnectors();
std::span<const VocabularyRefusal> vocabularyRefusals();
std::span<const UnitDisplayName> unitDisplayNames();
std::span<const FeetAndInchesSymbols> feetAndInchesSymbols();
std::span<const FoldedCharacter> foldedCharacters();

}  // namespace zelvar
