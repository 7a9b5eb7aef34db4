// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a typed entry: never NaN, always the same answer. As a
// number or unit typed in a terminal: a whole number stops being one with
// anything after it, and a unit word is the same in any case.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/format_result.h"
#include "engine/read_number.h"
#include "engine/unit_words.h"
#include "tests/support/result_shape.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double first = zelvar::ReadNumber(text);
    if (std::isnan(first))
        zelvar::fuzz::fail("ReadNumber gave NaN", text);
    const double second = zelvar::ReadNumber(text);
    if (std::memcmp(&first, &second, sizeof first) != 0)
        zelvar::fuzz::fail("ReadNumber not deterministic", text);
    // Narrowing to the entered value never traps.
    volatile float entered = static_cast<float>(first);
    (void)entered;

    // A whole decimal number reads as the C library reads it, where that is
    // a normal double: the reader's shortcuts round as it does.
    const std::string whole(text);
    if (zelvar::isWholeNumber(text) && whole.find_first_of("&dD") == std::string::npos) {
        const double expected = std::strtod(whole.c_str(), nullptr);
        if (std::isnormal(expected) && std::memcmp(&expected, &first, sizeof first) != 0)
            zelvar::fuzz::fail("ReadNumber differs from strtod", text);
    }
    if (zelvar::isWholeNumber(text) && zelvar::isWholeNumber(whole + "x"))
        zelvar::fuzz::fail("a whole number followed by a letter is still whole", text);
    std::string upper(text);
    for (char& c : upper)
        c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    if (zelvar::unitFromWord(text) != zelvar::unitFromWord(upper))
        zelvar::fuzz::fail("a unit word depends on its case", text);
    return 0;
}
