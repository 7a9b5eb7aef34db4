// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <memory>
#include <string_view>
#include <unicode/numberformatter.h>
#include <unicode/plurrule.h>

#include "engine/unit_vocabulary_data.h"
#include "engine/units.h"

namespace zelvar {

// The words an answer names units with in one of the vocabulary's languages:
// a unit's full name after a number, in the plural that language's rules
// choose for the number, and the short forms of feet and inches. A unit the
// language has no name for (CLDR has none for the rod and the league) is
// named in English, by English rules; feet and inches without short forms of
// the language's are "ft" and "in".
class AnswerWords {
public:
    explicit AnswerWords(std::string_view language);

    // After a number written as the reader writes it ("1.524", "-0.5",
    // "1e3"), so that the fraction digits shown count, trailing zeros too:
    // ru "1,524 метра", fr "1,5 pouce", en "1.0 feet". A number not written
    // in decimal digits ("&H5") takes the category of other numbers.
    std::string_view name(LengthUnit unit, std::string_view decimal) const;
    // After a number known only by its value (3 1/2 is 3.5).
    std::string_view name(LengthUnit unit, double value) const;

    std::string_view feet() const { return feet_; }
    std::string_view inches() const { return inches_; }

private:
    // Names by unit and plural category; empty where the data has none.
    using Names = std::array<std::array<std::string_view, 6>, kUnitCount>;

    std::string_view name(LengthUnit unit, const icu::number::FormattedNumber& number) const;
    static Names namesOf(std::string_view language);

    Names names_, english_;
    std::unique_ptr<icu::PluralRules> rules_, englishRules_;
    icu::number::LocalizedNumberFormatter digits_;
    std::string_view feet_ = "ft", inches_ = "in";
};

}  // namespace zelvar
