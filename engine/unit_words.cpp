// SPDX-License-Identifier: GPL-3.0-or-later
#include "unit_words.h"

#include <vector>

#include "unit_vocabulary.h"
#include "unit_vocabulary_data.h"

namespace zelvar {

std::span<const UnitWord> unitWords() {
    // The vocabulary lists each language's words unit by unit, in unit-list order.
    static const std::vector<UnitWord> english = [] {
        std::vector<UnitWord> words;
        for (const VocabularyWord& entry : vocabularyWords()) {
            if (entry.language == "en")
                words.push_back({entry.word, entry.unit});
        }
        return words;
    }();
    return english;
}

std::optional<LengthUnit> unitFromWord(std::string_view word) {
    return UnitVocabulary::english().unit(foldedForMatching(word));
}

}  // namespace zelvar
