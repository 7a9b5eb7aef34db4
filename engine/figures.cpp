// SPDX-License-Identifier: GPL-3.0-or-later
#include "figures.h"

#include <utility>

namespace zelvar {

FigureConverter::FigureConverter(LengthUnit source, std::vector<LengthUnit> targets, FigureStyle style,
                                 NumberSeparators separators)
    : row_(conversionRow(source)), style_(style), separators_(std::move(separators)) {
    for (const LengthUnit target : targets) {
        int cell = -1;
        for (std::size_t i = 0; i < row_.size(); ++i) {
            if (row_[i].target == target)
                cell = static_cast<int>(i);
        }
        cellOfTarget_.push_back(cell);
    }
}

std::string FigureConverter::figure(double value, ResultPrecision precision) const {
    return style_ == FigureStyle::Plain ? PlainResult(value, precision) : FormatResult(value, precision, separators_);
}

bool FigureConverter::append(float entered, char separator, std::string& out) const {
    std::array<CellValue, kCellsPerRow> values;
    for (std::size_t i = 0; i < row_.size(); ++i) {
        const std::optional<CellValue> value = evaluateCell(row_[i], entered);
        if (!value)
            return false;
        values[i] = *value;
    }
    // The entered value is finite here: an infinite one overflows every cell.
    for (std::size_t t = 0; t < cellOfTarget_.size(); ++t) {
        if (t > 0)
            out += separator;
        const int cell = cellOfTarget_[t];
        out += cell < 0 ? figure(entered, ResultPrecision::Single) : figure(values[cell].value, values[cell].precision);
    }
    return true;
}

}  // namespace zelvar
