// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every rendered result must look like, whatever the value: an optional
// '-', integer digits without a leading zero in groups of three set off by the
// thousands separator (or no integer digit at all), the decimal separator,
// then at most five fraction digits with no trailing zero. A '-' only stands
// before a non-zero digit.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/format_result.h"
#include "engine/read_number.h"

namespace zelvar::fuzz {

inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

inline bool hasResultShape(std::string_view text, const NumberSeparators& separators) {
    std::size_t pos = 0;
    const bool minus = !text.empty() && text[0] == '-';
    pos += minus;

    auto digitsAt = [&](std::size_t at) {
        std::size_t n = 0;
        while (at + n < text.size() && isDigit(text[at + n]))
            ++n;
        return n;
    };
    auto startsWith = [&](std::size_t at, std::string_view what) {
        return !what.empty() && text.substr(at, what.size()) == what;
    };

    bool anyNonZero = false;
    auto note = [&](std::size_t from, std::size_t count) {
        for (std::size_t i = from; i < from + count; ++i)
            anyNonZero = anyNonZero || text[i] != '0';
    };

    const std::size_t firstGroup = digitsAt(pos);
    if (firstGroup > 0) {
        if (text[pos] == '0')
            return false;  // no leading zero, and a zero integer part shows no digit
        if (firstGroup > 3 && !separators.thousands.empty())
            return false;
        note(pos, firstGroup);
        pos += firstGroup;
        while (startsWith(pos, separators.thousands) && !startsWith(pos, separators.decimal)) {
            pos += separators.thousands.size();
            if (digitsAt(pos) != 3)
                return false;
            note(pos, 3);
            pos += 3;
        }
    }
    if (!startsWith(pos, separators.decimal))
        return false;
    pos += separators.decimal.size();
    const std::size_t fraction = digitsAt(pos);
    if (fraction > 5 || (fraction > 0 && text[pos + fraction - 1] == '0'))
        return false;
    note(pos, fraction);
    pos += fraction;
    return pos == text.size() && (!minus || anyNonZero);
}

// Stops the fuzzer with a readable line.
[[noreturn]] inline void fail(const char* what, std::string_view detail) {
    std::fprintf(stderr, "%s: [%.*s]\n", what, static_cast<int>(detail.size()), detail.data());
    std::abort();
}

}  // namespace zelvar::fuzz
