// SPDX-License-Identifier: GPL-3.0-or-later
// Any text as a desktop's search query: a length read from it has a number,
// a unit and a target other than that unit, its canonical text (the result
// id) reads back to the same length, and its results are the thirteen other
// units once each, or none on overflow.
#include <algorithm>
#include <cstdint>
#include <string_view>

#include "engine/length_query.h"
#include "engine/read_number.h"
#include "engine/result_order.h"
#include "tests/support/result_shape.h"

namespace {

std::optional<float> readNumber(std::string_view text) {
    if (!zelvar::isWholeNumber(text))
        return std::nullopt;
    return static_cast<float>(zelvar::ReadNumber(text));
}

bool sameLength(const zelvar::LengthQuery& a, const zelvar::LengthQuery& b) {
    return a.number == b.number && a.unit == b.unit && a.target == b.target &&
           (a.entered == b.entered || (a.entered != a.entered && b.entered != b.entered));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<zelvar::LengthQuery> query = zelvar::readLengthQuery(text, readNumber);
    if (!query)
        return 0;
    if (query->number.empty() || query->target == query->unit)
        zelvar::fuzz::fail("a length without a number, or converted into its own unit", text);

    const std::vector<zelvar::LengthUnit> units = zelvar::unitsByUsefulness(query->unit, query->entered);
    if (!units.empty()) {
        std::vector<zelvar::LengthUnit> sorted = units;
        std::sort(sorted.begin(), sorted.end());
        if (units.size() != zelvar::kUnitCount - 1 ||
            std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end() ||
            std::find(units.begin(), units.end(), query->unit) != units.end())
            zelvar::fuzz::fail("the results are not the thirteen other units", text);
    }
    for (const zelvar::LengthUnit target : units) {
        const std::string id = zelvar::lengthQueryText(*query, target);
        zelvar::LengthQuery expected = *query;
        expected.target = target;
        const std::optional<zelvar::LengthQuery> again = zelvar::readLengthQuery(id, readNumber);
        if (!again || !sameLength(*again, expected))
            zelvar::fuzz::fail("a result id does not read back to its length", id);
    }
    return 0;
}
