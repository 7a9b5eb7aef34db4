// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_order.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <optional>
#include <span>

#include "conversion_table.h"

namespace zelvar {
namespace {

using enum LengthUnit;

// The three groups, in the order that breaks ties.
constexpr std::array<LengthUnit, 4> kMetricCommon{Meters, Centimeters, Millimeters, Kilometers};
constexpr std::array<LengthUnit, 4> kCustomaryCommon{Inches, Feet, Yards, Miles};
constexpr std::array<LengthUnit, 6> kRare{League, Furlong, Rods, Hectometers, Dekameters, Decimeters};

// How far a figure lies from 1 to 1000, as the base-10 logarithm of the ratio.
double distanceFromHandyRange(double figure) {
    const double magnitude = std::fabs(figure);
    if (magnitude == 0 || (magnitude >= 1 && magnitude <= 1000))
        return 0;
    return magnitude < 1 ? -std::log10(magnitude) : std::log10(magnitude / 1000);
}

}  // namespace

std::vector<LengthUnit> unitsByUsefulness(LengthUnit source, float entered) {
    std::array<double, kUnitCount> distance{};
    for (const ConversionCell& cell : conversionRow(source)) {
        const std::optional<CellValue> value = evaluateCell(cell, entered);
        if (!value)
            return {};
        distance[unitIndex(cell.target)] = distanceFromHandyRange(value->value);
    }

    const bool fromMetric = isMetric(source);
    const std::array<std::span<const LengthUnit>, 3> groups{
        fromMetric ? std::span<const LengthUnit>(kCustomaryCommon) : kMetricCommon,
        fromMetric ? std::span<const LengthUnit>(kMetricCommon) : kCustomaryCommon, kRare};
    std::vector<LengthUnit> order;
    for (const std::span<const LengthUnit> group : groups) {
        const std::size_t groupStart = order.size();
        std::copy_if(group.begin(), group.end(), std::back_inserter(order),
                     [source](LengthUnit unit) { return unit != source; });
        std::stable_sort(order.begin() + std::ptrdiff_t(groupStart), order.end(),
                         [&](LengthUnit a, LengthUnit b) { return distance[unitIndex(a)] < distance[unitIndex(b)]; });
    }
    return order;
}

std::vector<LengthTarget> resultTargets(const WrittenLength& length) {
    const std::vector<LengthUnit> units = unitsByUsefulness(length.unit, length.entered);
    if (units.empty())
        return {};
    if (length.target)
        return {*length.target};
    std::vector<LengthTarget> targets;
    for (const LengthUnit unit : units) {
        targets.push_back({unit});
        if (unit == Feet && isMetric(length.unit))
            targets.push_back(kFeetAndInches);
    }
    return targets;
}

}  // namespace zelvar
