// SPDX-License-Identifier: GPL-3.0-or-later
#include "figures.h"

#include <cmath>
#include <limits>
#include <utility>

namespace zelvar {

FigureConverter::FigureConverter(LengthUnit source, std::vector<LengthUnit> targets, FigureStyle style,
                                 NumberSeparators separators)
    : row_(conversionRow(source)), style_(style), separators_(std::move(separators)) {
    // The most any cell multiplies by, with room to spare for rounding
    // between the steps: twice that times the magnitude stays within range.
    double largestGrowth = 1;
    for (const ConversionCell& cell : row_) {
        double growth = 1;
        for (const ConversionStep& step : cell.activeSteps())
            growth = step.op == StepOp::Multiply ? growth * step.factor : growth / step.factor;
        largestGrowth = std::max(largestGrowth, growth);
    }
    safeMagnitude_ = static_cast<float>(std::numeric_limits<float>::max() / (2 * largestGrowth));
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
    std::array<std::optional<CellValue>, kCellsPerRow> values;
    if (!(std::fabs(entered) < safeMagnitude_)) {
        for (std::size_t i = 0; i < row_.size(); ++i) {
            values[i] = evaluateCell(row_[i], entered);
            if (!values[i])
                return false;
        }
    }
    // The entered value is finite here: an infinite one overflows every cell.
    for (std::size_t t = 0; t < cellOfTarget_.size(); ++t) {
        if (t > 0)
            out += separator;
        const int cell = cellOfTarget_[t];
        if (cell < 0) {
            out += figure(entered, ResultPrecision::Single);
            continue;
        }
        if (!values[cell])
            values[cell] = evaluateCell(row_[cell], entered);
        out += figure(values[cell]->value, values[cell]->precision);
    }
    return true;
}

}  // namespace zelvar
