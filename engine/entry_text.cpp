// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry_text.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "read_number.h"

namespace zelvar {

std::size_t entryLength(std::string_view utf8) {
    // A character takes one UTF-16 unit per UTF-8 lead byte, and a second
    // beyond U+FFFF (a four-byte sequence).
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(),
                      [](char c) {
                          const auto byte = static_cast<unsigned char>(c);
                          return (byte & 0xC0) != 0x80 ? 1 : 0;
                      }) +
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) >= 0xF0; }));
}

bool fitsEntry(std::string_view utf8) {
    return utf8.size() <= std::size_t(kLongestEntry) || entryLength(utf8) <= std::size_t(kLongestEntry);
}

std::string shortestEntryNumber(float entered, Notation notation) {
    // Subnormal singles in fixed notation take up to 150 digits.
    std::array<char, 192> buffer;
    const auto write = [&](auto value) {
        return notation == Notation::Fixed
                   ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed).ptr
                   : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    };
    // The shortest text that reads back as this float; read as a double
    // first, as the entry reads, it may narrow to a neighbour, and then the
    // double's own shortest digits do.
    char* end = write(entered);
    if (static_cast<float>(ReadNumber(std::string_view(buffer.data(), end - buffer.data()))) != entered)
        end = write(static_cast<double>(entered));
    return std::string(buffer.data(), end);
}

}  // namespace zelvar
