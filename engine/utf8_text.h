// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

// Characters of UTF-8 text, for the few places that look past ASCII: the
// words the reader folds, and what the terminal quotes back.
namespace zelvar {

// The length of the well-formed UTF-8 character at the start of text, or 0
// when its first byte starts none: a stray continuation byte, a sequence cut
// short or broken by another byte, an overlong form, a surrogate, or a code
// point beyond U+10FFFF.
constexpr std::size_t utf8CharacterLength(std::string_view text) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char first = byte(0);
    if (first < 0x80)
        return 1;
    // The bounds of the second byte narrow out the overlong forms (E0, F0),
    // the surrogates (ED) and what lies beyond U+10FFFF (F4).
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (first >= 0xC2 && first <= 0xDF)
        length = 2;
    else if (first >= 0xE0 && first <= 0xEF)
        length = 3, low = first == 0xE0 ? 0xA0 : 0x80, high = first == 0xED ? 0x9F : 0xBF;
    else if (first >= 0xF0 && first <= 0xF4)
        length = 4, low = first == 0xF0 ? 0x90 : 0x80, high = first == 0xF4 ? 0x8F : 0xBF;
    if (length == 0 || text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    }
    return length;
}

// The code point of a well-formed character of `length` bytes at the start
// of text (utf8CharacterLength).
constexpr char32_t utf8CodePoint(std::string_view text, std::size_t length) {
    const auto first = static_cast<unsigned char>(text[0]);
    char32_t c = length == 1 ? first : first & (0xFF >> (length + 1));
    for (std::size_t i = 1; i < length; ++i)
        c = c << 6 | (static_cast<unsigned char>(text[i]) & 0x3F);
    return c;
}

}  // namespace zelvar
