// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "entry_text.h"
#include "number_form.h"
#include "unit_vocabulary.h"
#include "units.h"

namespace zelvar {

// What a length is converted into: a unit, or the answer in feet and inches.
struct LengthTarget {
    std::optional<LengthUnit> unit;  // nothing: feet and inches

    bool isFeetAndInches() const { return !unit; }
    friend bool operator==(const LengthTarget&, const LengthTarget&) = default;
};

inline constexpr LengthTarget kFeetAndInches{};

// One part of a written length: its number as the length's text writes it
// ("5", "10,5", "3 1/2") and its unit.
struct WrittenPart {
    std::string number;
    LengthUnit unit;
};

// A length as people write it, read into what the window would hold.
struct WrittenLength {
    // In the same words for every way of writing the same length, each
    // number as it was typed (compatibility forms folded: "５" is "5"): "5
    // FEET 10 INCHES" for 5'10" or 5 Fuß 10 Zoll, "3 1/2 INCHES" for 3½ in,
    // "1,5 KILOMETERS" for 1,5km. readWrittenLength reads it back to the
    // same length.
    std::string text;
    LengthUnit unit;  // the one unit named, or the smallest of a compound
    double value;     // the length in that unit, to the nearest double (0 below the
                      // normal range, which no single keeps)
    float entered;    // that value narrowed as the entry narrows it
    bool compound;    // two or more parts
    // What the entry takes for it, which CONVERT reads back to `entered`: a
    // single number as typed, in the reader's form; otherwise the shortest
    // number for the value ("70" for 5'10"), or, where that overflows, one
    // that overflows alike.
    std::string entry;
    std::optional<LengthTarget> target;
    std::vector<WrittenPart> parts;  // in the order written; a sign before all is the first number's
};

// The longest text read as a length, in bytes: numbers as long as the entry
// holds, at three bytes a character, and room for the longer words of the
// length's own text, which reads back.
inline constexpr std::size_t kLongestLengthText = 3 * std::size_t(kLongestEntry) + 256;

// Reads a LENGTH, optionally followed by a connector ("in", "to", "as", "=",
// ">", "->", "→", or one of an active language's: "nach", "в", "は何") and
// a target. Words are those of the vocabulary's languages, matched as
// foldedForMatching folds them (case, compatibility forms and diacritics do
// not matter), and separated by spaces, but for Japanese and Chinese words,
// which need none.
//
// A LENGTH is one or more parts NUMBER UNIT, each unit of the same system
// and smaller than the one before: "5 ft", "5ft", "5 ft 10 in", "1 mi 300
// yd", "2m30cm". Feet and inches may be marked ' (or U+2032) and " (U+2033,
// or ''): 5'10". A bare last number after feet is inches, and after metres
// centimetres, and must then be below 12 or 100: "5'10", "1 m 80".
//
// Every NUMBER is read as the terminal reads a number (numberPrefixLength
// finds it, readUserNumber reads it), so the same text is the same number
// wherever it stands. A NUMBER may also be a fraction a/b (U+2044 may stand
// for the slash), a whole number and a proper fraction ("3 1/2"), or a
// vulgar fraction character (U+00BC-U+00BE, U+2150-U+215E), alone or after a
// whole number ("3½", "3 ½"). Only the first number may carry a sign, and it
// applies to the whole length.
//
// When the text ends with a connector and a target, those are the target and
// everything before them is the length: "5 in in cm" is 5 inches in
// centimetres, and "5 in cm" a bare 5, which is no length. A target is a unit
// word, or feet and inches: "ft in", "ft+in", "feet and inches", "feet
// inches" or '". A length of one part cannot be converted into its own unit.
//
// A length of one number has that number's value, as the terminal reads it.
// Otherwise the value is the exact sum of the parts in the smallest unit
// named, rounded once to the nearest double. Nothing for any other text, for
// one longer than kLongestLengthText, or for one whose numbers together are
// longer than the entry holds: the entry's limit, wherever a length comes
// from.
std::optional<WrittenLength> readWrittenLength(std::string_view text, const NumberForm& form,
                                               const UnitVocabulary& vocabulary = UnitVocabulary::english());

// Why a text readWrittenLength turns down is no length, where there is more
// to say than that: "a bare number after feet is inches, below 12". Empty
// otherwise.
std::string_view whyNotALength(std::string_view text, const NumberForm& form,
                               const UnitVocabulary& vocabulary = UnitVocabulary::english());

// A target alone, as it follows a connector: a unit word, or one of the
// ways to ask for feet and inches ("ft+in", "feet and inches"). Nothing for
// any other text.
std::optional<LengthTarget> readLengthTarget(std::string_view text,
                                             const UnitVocabulary& vocabulary = UnitVocabulary::english());

// "METERS", or "FEET AND INCHES".
std::string targetText(const LengthTarget& target);

// The length with a target, "5 FEET 10 INCHES in METERS", which
// readWrittenLength reads back to the same length and target.
std::string writtenLengthText(const WrittenLength& length, const LengthTarget& target);

}  // namespace zelvar
