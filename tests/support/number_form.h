// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/read_number.h"
#include "engine/written_length.h"

namespace zelvar::test {

// The terminal's reading of a number, for a user whose decimal mark is
// `mark`: the mark gives way to '.', and the rest must be one number.
inline NumberForm formWithMark(const std::string& mark) {
    return {[mark](std::string_view text) -> std::optional<float> {
                std::string number(text);
                if (const std::size_t at = number.find(mark); at != std::string::npos)
                    number = number.substr(0, at) + '.' + number.substr(at + mark.size());
                return isWholeNumber(number) ? std::optional(static_cast<float>(ReadNumber(number))) : std::nullopt;
            },
            mark};
}

}  // namespace zelvar::test
