// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "length_query.h"
#include "units.h"

namespace zelvar {

// How the user writes numbers. The engine has no locale, so callers pass it in.
struct NumberForm {
    // A whole number in the user's form, as the terminal reads one; it reads
    // the number of a simple length (NUMBER UNIT), whatever the reader allows.
    NumberReader readNumber;
    // The user's decimal mark. Inside compounds and fractions numbers are
    // plain decimals, written with this mark or with '.'.
    std::string decimalMark = ".";
};

// What a length is converted into: a unit, or the answer in feet and inches.
struct LengthTarget {
    std::optional<LengthUnit> unit;  // nothing: feet and inches

    bool isFeetAndInches() const { return !unit; }
    friend bool operator==(const LengthTarget&, const LengthTarget&) = default;
};

inline constexpr LengthTarget kFeetAndInches{};

// A length as people write it, read into what the window would hold.
struct WrittenLength {
    // In the same words for every way of writing the same length: "5 FEET 10
    // INCHES" for 5'10", "3 1/2 INCHES" for 3½ in, "1,5 KILOMETERS" (a simple
    // length keeps its number as typed). readWrittenLength reads it back to
    // the same length.
    std::string text;
    LengthUnit unit;  // the one unit named, or the smallest of a compound
    float entered;    // the value in that unit, narrowed as the entry narrows
    bool compound;    // two or more parts
    std::optional<LengthTarget> target;
};

// Reads a LENGTH, optionally followed by a connector ("in", "to", "as", "="
// or ">") and a target. Words are separated by spaces; case does not matter.
//
// A LENGTH is one of:
//  - NUMBER UNIT or NUMBERUNIT, the number read by form.readNumber (exactly
//    what readLengthQuery takes);
//  - parts NUMBER UNIT of one system, each unit smaller than the one before:
//    "5 ft 10 in", "1 mi 300 yd", "2m30cm";
//  - with marks for feet (' or U+2032) and inches (", U+2033 or ''): 5'10";
//  - with a bare last number after feet meaning inches ("5'10") and after
//    metres centimetres ("1 m 80").
// Any number of those parts may be a fraction a/b (U+2044 may stand for the
// slash), a whole number and a proper fraction ("3 1/2"), or a vulgar
// fraction character (U+00BC-U+00BE, U+2150-U+215E), alone or after a whole
// number ("3½", "3 ½"). Only a minus sign (or U+2212) opening the whole
// length is a sign, and it applies to all of it.
//
// When the text ends with a connector and a target, those are the target and
// everything before them is the length: "5 in in cm" is 5 inches in
// centimetres, and "5 in cm" a bare 5, which is no length. A target is a unit
// word, or feet and inches: "ft in", "ft+in", "feet and inches", "feet
// inches" or '". A length of one part cannot be converted into its own unit.
//
// The value is the exact sum of the parts in the smallest unit named,
// rounded once to the nearest double and narrowed to single precision.
// Nothing for any other text.
std::optional<WrittenLength> readWrittenLength(std::string_view text, const NumberForm& form);

// A target alone, as it follows a connector: a unit word, or one of the
// ways to ask for feet and inches ("ft+in", "feet and inches"). Nothing for
// any other text.
std::optional<LengthTarget> readLengthTarget(std::string_view text);

// The shortest number, in the reader's form ('.'), that the entry narrows
// back to `entered` (finite): "70" for 5'10", "0.33333334" for 1/3 in.
std::string enteredNumberText(float entered);

// "METERS", or "FEET AND INCHES".
std::string targetText(const LengthTarget& target);

// The length with a target, "5 FEET 10 INCHES in METERS", which
// readWrittenLength reads back to the same length and target.
std::string writtenLengthText(const WrittenLength& length, const LengthTarget& target);

}  // namespace zelvar
