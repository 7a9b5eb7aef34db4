// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <array>
#include <optional>
#include <string_view>

namespace zelvar {

// The longest text the window's entry holds, in UTF-16 units as Qt counts a
// text's length: the longest a single-line text box has always held.
inline constexpr int kLongestEntry = 32767;

// Whether UTF-8 text fits in the entry (kLongestEntry).
bool fitsEntry(std::string_view utf8);

// Numbers typed outside the window (in a terminal, a desktop's search), read
// as a paste into the entry reads them: the locale's grouping and decimal
// marks give way to the reader's own form (numberForReader), and then the
// text, trimmed, must be one number and nothing else (isWholeNumber). The
// value is narrowed to single precision, as the entry's number is. A text
// longer than the entry holds is no number: it could not be typed there.
class UserNumberReader {
public:
    explicit UserNumberReader(const QLocale& locale = QLocale::system());

    // Nothing when the text is not a number.
    std::optional<float> read(std::string_view text) const;

private:
    bool needsLocale(std::string_view text) const;

    QLocale locale_;
    // By byte: whether a text holding it may be written in the locale's own
    // form (its marks, and anything beyond ASCII); without any, Qt is skipped.
    std::array<bool, 256> needsLocale_{};
};

}  // namespace zelvar
