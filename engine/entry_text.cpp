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

namespace {

// "1.25e+02" as "125", "-1e-03" as "-0.001": the same digits without an
// exponent.
std::string withoutExponent(const std::string& number) {
    const std::size_t e = number.find('e');
    if (e == std::string::npos)
        return number;
    const bool negative = number.front() == '-';
    std::string digits = number.substr(negative, e - negative);
    std::erase(digits, '.');
    const int exponent = std::stoi(number.substr(e + 1));
    // The point stands after the first digit, moved by the exponent.
    const int point = 1 + exponent;
    std::string fixed = negative ? "-" : "";
    if (point <= 0)
        fixed += "0." + std::string(static_cast<std::size_t>(-point), '0') + digits;
    else if (static_cast<std::size_t>(point) >= digits.size())
        fixed += digits + std::string(static_cast<std::size_t>(point) - digits.size(), '0');
    else
        fixed +=
            digits.substr(0, static_cast<std::size_t>(point)) + '.' + digits.substr(static_cast<std::size_t>(point));
    return fixed;
}

}  // namespace

std::string shortestEntryNumber(float entered, Notation notation) {
    std::array<char, 64> buffer;
    const auto write = [&](auto value) {
        return std::string(buffer.data(), std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr);
    };
    // The shortest text that reads back as this float; read as a double
    // first, as the entry reads, it may narrow to a neighbour, and then the
    // double's own shortest digits do.
    std::string number = write(entered);
    if (static_cast<float>(ReadNumber(number)) != entered)
        number = write(static_cast<double>(entered));
    return notation == Notation::Fixed ? withoutExponent(number) : number;
}

}  // namespace zelvar
