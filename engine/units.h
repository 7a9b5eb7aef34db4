#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace zelvar {

// The fourteen length units, in the order of the unit list.
enum class LengthUnit {
    League, Miles, Furlong, Rods, Yards, Feet, Inches,
    Kilometers, Hectometers, Dekameters, Meters, Decimeters, Centimeters, Millimeters
};

inline constexpr std::size_t kUnitCount = 14;

enum class UnitGroup { Customary, Metric };

// What the program knows of each unit: the name the user picks (also the
// text of its caption), the object names of its two labels in the main
// window, and its group.
struct UnitInfo {
    LengthUnit unit;
    std::string_view name;
    std::string_view captionObject;  // fixed label beside the field, showing the name
    std::string_view fieldObject;    // label that shows the unit's converted value
    UnitGroup group;
};

// All fourteen, in unit-list order: kUnits[i].unit == LengthUnit(i).
extern const std::array<UnitInfo, kUnitCount> kUnits;

constexpr std::size_t unitIndex(LengthUnit unit) { return static_cast<std::size_t>(unit); }
const UnitInfo& unitInfo(LengthUnit unit);

std::string_view unitName(LengthUnit unit);
// Exact, case-sensitive comparison with the fourteen names; no trimming.
std::optional<LengthUnit> unitFromName(std::string_view text);

}  // namespace zelvar
