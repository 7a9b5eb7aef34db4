#include "units.h"

namespace zelvar {

const std::array<UnitInfo, kUnitCount> kUnits{{
    {LengthUnit::League,      "LEAGUE",      "lbLeague",     "lbLeag",       UnitGroup::Customary},
    {LengthUnit::Miles,       "MILES",       "lbMiles",      "lb7Mile",      UnitGroup::Customary},
    {LengthUnit::Furlong,     "FURLONG",     "lbFurlong",    "lbFurl",       UnitGroup::Customary},
    {LengthUnit::Rods,        "RODS",        "lbRods",       "lbRod",        UnitGroup::Customary},
    {LengthUnit::Yards,       "YARDS",       "lbYards",      "lb1Yard",      UnitGroup::Customary},
    {LengthUnit::Feet,        "FEET",        "lbFeet",       "lb2Foot",      UnitGroup::Customary},
    {LengthUnit::Inches,      "INCHES",      "lbInches",     "lb3Inch",      UnitGroup::Customary},
    {LengthUnit::Kilometers,  "KILOMETERS",  "lbKilos",      "lb8Kilo",      UnitGroup::Metric},
    {LengthUnit::Hectometers, "HECTOMETERS", "lbHectometer", "lbHecto",      UnitGroup::Metric},
    {LengthUnit::Dekameters,  "DEKAMETERS",  "lbDekameter",  "lbDeka",       UnitGroup::Metric},
    {LengthUnit::Meters,      "METERS",      "lbMeters",     "lb4Meter",     UnitGroup::Metric},
    {LengthUnit::Decimeters,  "DECIMETERS",  "lbDecimeters", "lbDeci",       UnitGroup::Metric},
    {LengthUnit::Centimeters, "CENTIMETERS", "lbCents",      "lb5CentMeter", UnitGroup::Metric},
    {LengthUnit::Millimeters, "MILLIMETERS", "lbMilis",      "lb6MilMeter",  UnitGroup::Metric},
}};

const UnitInfo& unitInfo(LengthUnit unit) { return kUnits[unitIndex(unit)]; }

std::string_view unitName(LengthUnit unit) {
    return unitIndex(unit) < kUnits.size() ? unitInfo(unit).name : std::string_view{};
}

std::optional<LengthUnit> unitFromName(std::string_view text) {
    for (const UnitInfo& info : kUnits) {
        if (info.name == text)
            return info.unit;
    }
    return std::nullopt;
}

}  // namespace zelvar
