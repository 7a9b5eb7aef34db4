// SPDX-License-Identifier: GPL-3.0-or-later
#include "units.h"

namespace zelvar {

// clang-format off
const std::array<UnitInfo, kUnitCount> kUnits{{
    {LengthUnit::League,      "LEAGUE"},
    {LengthUnit::Miles,       "MILES"},
    {LengthUnit::Furlong,     "FURLONG"},
    {LengthUnit::Rods,        "RODS"},
    {LengthUnit::Yards,       "YARDS"},
    {LengthUnit::Feet,        "FEET"},
    {LengthUnit::Inches,      "INCHES"},
    {LengthUnit::Kilometers,  "KILOMETERS"},
    {LengthUnit::Hectometers, "HECTOMETERS"},
    {LengthUnit::Dekameters,  "DEKAMETERS"},
    {LengthUnit::Meters,      "METERS"},
    {LengthUnit::Decimeters,  "DECIMETERS"},
    {LengthUnit::Centimeters, "CENTIMETERS"},
    {LengthUnit::Millimeters, "MILLIMETERS"},
}};
// clang-format on

std::string_view unitName(LengthUnit unit) {
    return unitIndex(unit) < kUnits.size() ? kUnits[unitIndex(unit)].name : std::string_view{};
}

std::optional<LengthUnit> unitFromName(std::string_view text) {
    for (const UnitInfo& info : kUnits) {
        if (info.name == text)
            return info.unit;
    }
    return std::nullopt;
}

}  // namespace zelvar
