// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/figures.h"
#include "engine/written_length.h"

namespace zelvar {

// The figures of chosen targets, units or feet and inches, for lengths
// entered in any unit: each line of standard input may name its own.
class LengthFigures {
public:
    LengthFigures(std::vector<LengthTarget> targets, FigureStyle style, NumberSeparators separators);

    // Appends the figures, with separator between them; false, with nothing
    // appended, when CONVERT would report an overflow.
    bool append(LengthUnit source, float entered, char separator, std::string& out);

private:
    const FigureConverter& converterFrom(LengthUnit source);

    std::vector<LengthTarget> targets_;
    std::vector<LengthUnit> units_;  // the targets that are units, in order
    bool feetAndInches_ = false;
    FigureStyle style_;
    NumberSeparators separators_;
    std::array<std::optional<FigureConverter>, kUnitCount> converters_;  // made as sources come
};

}  // namespace zelvar
