// SPDX-License-Identifier: GPL-3.0-or-later
// Any text as a simple search query: a length read from it has a number and a
// target other than its unit; its results are the thirteen other units once
// each (or none, on overflow), and every result converts without overflow.
#include <algorithm>
#include <cstdint>
#include <string_view>

#include "engine/figures.h"
#include "engine/length_query.h"
#include "engine/read_number.h"
#include "engine/result_order.h"
#include "tests/support/result_shape.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto readNumber = [](std::string_view text) -> std::optional<float> {
        return zelvar::isWholeNumber(text) ? std::optional(static_cast<float>(zelvar::ReadNumber(text))) : std::nullopt;
    };
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<zelvar::LengthQuery> query = zelvar::readLengthQuery(text, readNumber);
    if (!query)
        return 0;
    if (query->number.empty() || query->target == query->unit)
        zelvar::fuzz::fail("a length without a number, or converted into its own unit", text);

    std::vector<zelvar::LengthUnit> units = zelvar::unitsByUsefulness(query->unit, query->entered);
    for (const zelvar::LengthUnit target : units) {
        std::string figure;
        if (!zelvar::FigureConverter(query->unit, {target}, zelvar::FigureStyle::Plain)
                 .append(query->entered, '\n', figure))
            zelvar::fuzz::fail("a result's conversion overflows", text);
    }
    units.push_back(query->unit);
    std::sort(units.begin(), units.end());
    if (units.size() != 1 &&
        (units.size() != zelvar::kUnitCount || std::adjacent_find(units.begin(), units.end()) != units.end()))
        zelvar::fuzz::fail("the results are not the thirteen other units", text);
    return 0;
}
