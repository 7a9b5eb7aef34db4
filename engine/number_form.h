// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvar {

// How the user writes numbers: the decimal mark, and the marks that may
// group the digits before it in threes. The engine has no locale, so callers
// describe the user's here (UTF-8).
struct NumberForm {
    std::string decimalMark = ".";        // empty: the user's form is the reader's own
    std::vector<std::string> groupMarks;  // none: digits are not grouped

    friend bool operator==(const NumberForm&, const NumberForm&) = default;
};

// Numbers outside the window (in a terminal, a desktop's search, inside a
// written length) are read in one of two forms:
//  - the user's: an optional sign ('+', '-' or the minus sign U+2212),
//    digits either ungrouped or grouped in threes (one to three first, not
//    starting with 0), optionally the decimal mark and digits, at least one
//    digit in all, and optionally E or e, an optional sign (U+2212 too)
//    and digits;
//  - the reader's own, as the entry reads it (isWholeNumber).
// A text both read is taken in the user's form: "1.500" is 1500 for a user
// who groups with '.'.

// The byte length of the longest number at the start of text in either form;
// 0 when none starts there.
std::size_t numberPrefixLength(std::string_view text, const NumberForm& form);

// A whole text (blanks trimmed) in the user's form, rewritten in the
// reader's: no grouping, '.' for the decimal mark, '-' for U+2212. Nothing
// when the text is no number in the user's form.
std::optional<std::string> inReaderForm(std::string_view text, const NumberForm& form);

// A whole text (blanks trimmed) in the reader's form: the text as the entry
// takes it, read from the user's form if it is one; nothing when it is no
// number in either form.
std::optional<std::string> readerText(std::string_view text, const NumberForm& form);

// The value of a whole text as the terminal reads it: readerText, read as
// the entry reads it. Nothing when it is no number.
std::optional<double> readUserNumber(std::string_view text, const NumberForm& form);

}  // namespace zelvar
