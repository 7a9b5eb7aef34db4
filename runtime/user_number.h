// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <array>
#include <optional>
#include <string_view>

#include "engine/entry_text.h"
#include "engine/number_form.h"

namespace zelvar {

// Numbers typed outside the window (in a terminal, a desktop's search), read
// as a paste into the entry reads them: in the locale's form or the reader's
// own (readUserNumber), and nothing else. The
// value is narrowed to single precision, as the entry's number is. A text
// longer than the entry holds is no number: it could not be typed there.
class UserNumberReader {
public:
    explicit UserNumberReader(const QLocale& locale = QLocale::system());

    // Nothing when the text is not a number.
    std::optional<float> read(std::string_view text) const;

    const NumberForm& form() const { return form_; }

private:
    bool needsLocale(std::string_view text) const;

    NumberForm form_;
    // By byte: whether a text holding it may be written in the locale's own
    // form (its marks, and anything beyond ASCII); without any, Qt is skipped.
    std::array<bool, 256> needsLocale_{};
};

}  // namespace zelvar
