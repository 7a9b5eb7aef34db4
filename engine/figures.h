// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

#include "conversion_table.h"
#include "format_result.h"
#include "units.h"

namespace zelvar {

// How a figure is written: as the window shows it, or for other programs
// to read (PlainResult).
enum class FigureStyle { Window, Plain };

// Converts entered values from one unit into chosen units and writes only
// their figures, for a terminal that converts many values. Like CONVERT, it
// evaluates every cell of the source's row before it writes anything, so a
// value that would overflow in the window overflows here, whichever units are
// shown; but it renders only the figures asked for. The source unit's own
// figure is the entered value itself, rendered as a single-precision result.
class FigureConverter {
public:
    FigureConverter(LengthUnit source, std::vector<LengthUnit> targets, FigureStyle style,
                    NumberSeparators separators = {});

    // Appends the figures of the entered value, with separator between them;
    // false, with nothing appended, when CONVERT would report an overflow.
    bool append(float entered, char separator, std::string& out) const;

private:
    std::string figure(double value, ResultPrecision precision) const;

    std::span<const ConversionCell> row_;
    // Below this magnitude no cell of the row can overflow, so only the
    // cells asked for need evaluating.
    float safeMagnitude_;
    std::vector<int> cellOfTarget_;  // index into row_, or -1 for the source unit
    FigureStyle style_;
    NumberSeparators separators_;
};

}  // namespace zelvar
