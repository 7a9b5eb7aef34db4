// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "format_result.h"
#include "units.h"

namespace zelvar {

enum class ConvertStatus { NoUnit, Converted, Overflow };

struct ConvertResult {
    ConvertStatus status;
    std::array<std::string, kUnitCount> captions;  // Converted: every result field's text, unit-list order
    std::optional<LengthUnit> overflowAt;          // Overflow: target of the first cell that overflowed
};

// The CONVERT command without its window: reads the typed number, narrows it
// to single precision, finds the unit by its exact name and computes all
// thirteen cells of its row before rendering anything, so a caller either gets
// every caption or none. The source unit's own caption is its name.
ConvertResult convertEntry(std::string_view typedText, std::string_view unitText,
                           const NumberSeparators& separators = {});

}  // namespace zelvar
