// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace zelvar {

// The fourteen length units, in the order of the unit list: the seven
// customary units, then the seven metric ones.
// clang-format off
enum class LengthUnit {
    League, Miles, Furlong, Rods, Yards, Feet, Inches,
    Kilometers, Hectometers, Dekameters, Meters, Decimeters, Centimeters, Millimeters
};
// clang-format on

inline constexpr std::size_t kUnitCount = 14;

// A unit and the name the user picks it by, which is also the text of its
// caption in the window.
struct UnitInfo {
    LengthUnit unit;
    std::string_view name;
};

// All fourteen, in unit-list order: kUnits[i].unit == LengthUnit(i).
extern const std::array<UnitInfo, kUnitCount> kUnits;

constexpr std::size_t unitIndex(LengthUnit unit) {
    return static_cast<std::size_t>(unit);
}

// The last seven units; the first seven are customary.
constexpr bool isMetric(LengthUnit unit) {
    return unitIndex(unit) >= unitIndex(LengthUnit::Kilometers);
}

std::string_view unitName(LengthUnit unit);
// Exact, case-sensitive comparison with the fourteen names; no trimming.
std::optional<LengthUnit> unitFromName(std::string_view text);

}  // namespace zelvar
