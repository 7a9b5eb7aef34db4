// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert.h"

#include <cmath>

#include "conversion_table.h"
#include "read_number.h"

namespace zelvar {

ConvertResult convertEntry(std::string_view typedText, std::string_view unitText, const NumberSeparators& separators) {
    ConvertResult result{ConvertStatus::NoUnit, {}, std::nullopt};

    // Rounds to nearest; a value beyond the float range becomes an infinity,
    // which the first cell then reports as overflow.
    const float entered = static_cast<float>(ReadNumber(typedText));

    const std::optional<LengthUnit> source = unitFromName(unitText);
    if (!source)
        return result;

    const std::span<const ConversionCell> row = conversionRow(*source);
    std::array<CellValue, kCellsPerRow> values;
    for (std::size_t i = 0; i < row.size(); ++i) {
        const std::optional<CellValue> value = evaluateCell(row[i], entered);
        if (!value) {
            result.status = ConvertStatus::Overflow;
            result.overflowAt = row[i].target;
            return result;
        }
        values[i] = *value;
    }

    for (std::size_t i = 0; i < row.size(); ++i)
        result.captions[unitIndex(row[i].target)] = FormatResult(values[i].value, values[i].precision, separators);
    result.captions[unitIndex(*source)] = unitText;
    result.status = ConvertStatus::Converted;
    return result;
}

}  // namespace zelvar
