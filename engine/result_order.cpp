// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_order.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "conversion_table.h"

namespace zelvar {
namespace {

using enum LengthUnit;

// Each system's units, common first, in the order that breaks ties.
// clang-format off
constexpr std::array<LengthUnit, 7> kMetric{Meters, Centimeters, Millimeters, Kilometers,
                                            Decimeters, Dekameters, Hectometers};
constexpr std::array<LengthUnit, 7> kCustomary{Inches, Feet, Yards, Miles,
                                               Rods, Furlong, League};
// clang-format on
constexpr std::size_t kCommonPerSystem = 4;

bool isMetric(LengthUnit unit) {
    return std::find(kMetric.begin(), kMetric.end(), unit) != kMetric.end();
}

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
    const std::array<const std::array<LengthUnit, 7>*, 2> systems{fromMetric ? &kCustomary : &kMetric,
                                                                  fromMetric ? &kMetric : &kCustomary};
    std::vector<LengthUnit> order;
    for (const auto* system : systems) {
        for (const auto& [from, to] : {std::pair{std::size_t{0}, kCommonPerSystem}, {kCommonPerSystem, 7}}) {
            const std::size_t groupStart = order.size();
            for (std::size_t i = from; i < to; ++i) {
                if ((*system)[i] != source)
                    order.push_back((*system)[i]);
            }
            std::stable_sort(order.begin() + std::ptrdiff_t(groupStart), order.end(), [&](LengthUnit a, LengthUnit b) {
                return distance[unitIndex(a)] < distance[unitIndex(b)];
            });
        }
    }
    return order;
}

std::vector<LengthUnit> resultTargets(const LengthQuery& query) {
    std::vector<LengthUnit> units = unitsByUsefulness(query.unit, query.entered);
    if (query.target && !units.empty())
        return {*query.target};
    return units;
}

}  // namespace zelvar
