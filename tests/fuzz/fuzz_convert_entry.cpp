// SPDX-License-Identifier: GPL-3.0-or-later
// Any typed text with any unit text: NoUnit exactly when the unit text is not
// one of the fourteen names; a converted grid holds the name in the source's
// own field and a well-formed value in the thirteen others; an overflow
// writes nothing.
#include <cstdint>
#include <string_view>

#include "engine/convert.h"
#include "tests/support/result_shape.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const std::string_view all(reinterpret_cast<const char*>(data + 1), size - 1);
    // The first byte picks one of the fourteen names, or (above 13) takes the
    // text after the first NUL as the unit text.
    std::string_view typed = all;
    std::string_view unitText;
    if (data[0] < zelvar::kUnitCount) {
        unitText = zelvar::kUnits[data[0]].name;
    } else if (const auto nul = all.find('\0'); nul != std::string_view::npos) {
        typed = all.substr(0, nul);
        unitText = all.substr(nul + 1);
    }
    const zelvar::NumberSeparators separators =
        data[0] & 0x80 ? zelvar::NumberSeparators{".", ","} : zelvar::NumberSeparators{};

    const zelvar::ConvertResult result = zelvar::convertEntry(typed, unitText, separators);
    const zelvar::ConvertResult again = zelvar::convertEntry(typed, unitText, separators);
    if (result.status != again.status || result.captions != again.captions || result.overflowAt != again.overflowAt)
        zelvar::fuzz::fail("convertEntry not deterministic", typed);

    const auto source = zelvar::unitFromName(unitText);
    if (!source) {
        if (result.status != zelvar::ConvertStatus::NoUnit || result.overflowAt)
            zelvar::fuzz::fail("no unit, yet something was computed", unitText);
    } else if (result.status == zelvar::ConvertStatus::NoUnit) {
        zelvar::fuzz::fail("a unit name was not found", unitText);
    }
    if (result.status != zelvar::ConvertStatus::Converted) {
        for (const auto& caption : result.captions)
            if (!caption.empty())
                zelvar::fuzz::fail("a caption without a conversion", caption);
        if (result.status == zelvar::ConvertStatus::Overflow && (!result.overflowAt || *result.overflowAt == *source))
            zelvar::fuzz::fail("overflow without a faulting cell", typed);
        return 0;
    }
    for (std::size_t i = 0; i < zelvar::kUnitCount; ++i) {
        const std::string& caption = result.captions[i];
        if (i == zelvar::unitIndex(*source)) {
            if (caption != unitText)
                zelvar::fuzz::fail("own field does not show the name", caption);
        } else if (!zelvar::fuzz::hasResultShape(caption, separators)) {
            zelvar::fuzz::fail("malformed caption", caption);
        }
    }
    return 0;
}
