// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a typed entry: never NaN, always the same answer.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "engine/format_result.h"
#include "engine/read_number.h"
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
    return 0;
}
