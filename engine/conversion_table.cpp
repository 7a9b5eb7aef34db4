// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversion_table.h"

#include <algorithm>
#include <cmath>

namespace zelvar {
namespace {

using enum LengthUnit;

constexpr ResultPrecision S = ResultPrecision::Single;
constexpr ResultPrecision D = ResultPrecision::Double;

constexpr ConversionStep times(double k) {
    return {StepOp::Multiply, k};
}
constexpr ConversionStep per(double k) {
    return {StepOp::Divide, k};
}

template <class... Steps> constexpr ConversionCell to(LengthUnit target, ResultPrecision precision, Steps... steps) {
    static_assert(sizeof...(Steps) >= 1 && sizeof...(Steps) <= 3);
    return {target, {steps...}, static_cast<std::uint8_t>(sizeof...(Steps)), precision};
}

using Row = std::array<ConversionCell, kCellsPerRow>;

// One row per source unit, in unit-list order; each row's cells in the order
// they are produced. The factors are the table's decimal constants exactly as
// written, shortened approximations included.
// clang-format off
constexpr std::array<Row, kUnitCount> kTable{{
    {{  // LEAGUE
        to(Miles, S, times(3)), to(Furlong, S, times(5280), per(220)),
        to(Rods, D, times(5280), per(5.5)), to(Yards, S, times(5280)), to(Feet, S, times(15840)),
        to(Inches, D, times(190080)),
        to(Kilometers, D, times(4.828)), to(Hectometers, D, times(48.2803)),
        to(Dekameters, D, times(482.8032)), to(Meters, D, times(4828.032)),
        to(Decimeters, D, times(48280.32)), to(Centimeters, D, times(4828.032), times(100)),
        to(Millimeters, D, times(4828032)),
    }},
    {{  // MILES
        to(League, S, per(3)), to(Furlong, S, times(8)), to(Rods, S, times(320)),
        to(Yards, S, times(1760)), to(Feet, S, times(5280)), to(Inches, D, times(63360)),
        to(Kilometers, D, times(1.6093)), to(Hectometers, D, times(16.0934)),
        to(Dekameters, D, times(160.9344)), to(Meters, D, times(1609.344)),
        to(Decimeters, D, times(16093.44)), to(Centimeters, D, times(160934.4)),
        to(Millimeters, D, times(1609344)),
    }},
    {{  // FURLONG
        to(League, D, times(0.125), per(3)), to(Miles, D, times(0.125)), to(Rods, S, times(40)),
        to(Yards, S, times(220)), to(Feet, S, times(660)), to(Inches, S, times(7920)),
        to(Kilometers, D, times(0.201168)), to(Hectometers, D, times(2.01168)),
        to(Dekameters, D, times(20.1168)), to(Meters, D, times(201.168)),
        to(Decimeters, D, times(2011.68)), to(Centimeters, D, times(20116.8)),
        to(Millimeters, D, times(201168)),
    }},
    {{  // RODS
        to(League, D, times(0.003125), per(3)), to(Miles, D, times(0.003125)),
        to(Furlong, D, times(0.025)), to(Yards, D, times(5.5)), to(Feet, D, times(16.5)),
        to(Inches, S, times(198)),
        to(Kilometers, D, times(0.0050292)), to(Hectometers, D, times(0.050292)),
        to(Dekameters, D, times(0.50292)), to(Meters, D, times(5.0292)),
        to(Decimeters, D, times(50.292)), to(Centimeters, D, times(502.92)),
        to(Millimeters, D, times(5029.2)),
    }},
    {{  // YARDS
        to(League, S, per(5280)), to(Miles, S, per(1760)), to(Furlong, D, times(0.004545)),
        to(Rods, D, times(0.181818)), to(Feet, S, times(3)), to(Inches, S, times(36)),
        to(Kilometers, D, times(0.000914)), to(Hectometers, D, times(0.009144)),
        to(Dekameters, D, times(0.09144)), to(Meters, D, times(0.9144)),
        to(Decimeters, D, times(9.144)), to(Centimeters, D, times(91.44)),
        to(Millimeters, D, times(914.4)),
    }},
    {{  // FEET
        to(League, S, per(15840)), to(Miles, S, per(5280)), to(Furlong, D, times(0.0015)),
        to(Rods, D, times(0.0606)), to(Yards, S, per(3)), to(Inches, S, times(12)),
        to(Kilometers, D, times(0.0003048)), to(Hectometers, D, times(0.003048)),
        to(Dekameters, D, times(0.03048)), to(Meters, D, times(0.3048)),
        to(Decimeters, D, times(3.048)), to(Centimeters, D, times(30.48)),
        to(Millimeters, D, times(304.8)),
    }},
    {{  // INCHES
        to(League, D, per(190080)), to(Miles, D, per(63360)),
        to(Furlong, D, times(0.0015), per(12)), to(Rods, D, times(0.0606), per(12)),
        to(Yards, S, per(36)), to(Feet, S, per(12)),
        to(Kilometers, D, times(0.0000254)), to(Hectometers, D, times(0.000254)),
        to(Dekameters, D, times(0.00254)), to(Meters, D, times(0.0254)),
        to(Decimeters, D, times(0.254)), to(Centimeters, D, times(2.54)),
        to(Millimeters, D, times(25.4)),
    }},
    {{  // KILOMETERS
        to(Hectometers, S, times(10)), to(Dekameters, S, times(100)), to(Meters, S, times(1000)),
        to(Decimeters, S, times(10000)), to(Centimeters, D, times(100000)),
        to(Millimeters, D, times(1000000)),
        to(League, D, times(0.6213), per(3)), to(Miles, D, times(0.6213)),
        to(Furlong, D, times(0.6213), times(8)), to(Rods, D, times(198.8388)),
        to(Yards, D, times(1093.6133)), to(Feet, D, times(3280.8399)),
        to(Inches, D, times(3280.8399), times(12)),
    }},
    {{  // HECTOMETERS
        to(Kilometers, S, per(10)), to(Dekameters, S, times(10)), to(Meters, S, times(100)),
        to(Decimeters, S, times(1000)), to(Centimeters, S, times(10000)),
        to(Millimeters, D, times(100000)),
        to(League, D, times(0.06213), per(3)), to(Miles, D, times(0.06213)),
        to(Furlong, D, times(0.06213), times(8)), to(Rods, D, times(19.88388)),
        to(Yards, D, times(109.36133)), to(Feet, D, times(328.08399)),
        to(Inches, D, times(3937.01)),
    }},
    {{  // DEKAMETERS
        to(Kilometers, D, times(0.01)), to(Hectometers, D, times(0.1)), to(Meters, S, times(10)),
        to(Decimeters, S, times(100)), to(Centimeters, S, times(1000)),
        to(Millimeters, S, times(10000)),
        to(League, D, times(0.00621), per(3)), to(Miles, D, times(0.00621)),
        to(Furlong, D, times(0.05)), to(Rods, D, times(1.988)), to(Yards, D, times(10.936)),
        to(Feet, D, times(32.808)), to(Inches, D, times(393.701)),
    }},
    {{  // METERS
        to(Kilometers, S, per(1000)), to(Hectometers, D, times(0.01)),
        to(Dekameters, D, times(0.1)), to(Decimeters, S, times(10)),
        to(Centimeters, S, times(100)), to(Millimeters, S, times(1000)),
        to(League, D, times(0.000621), per(3)), to(Miles, D, times(0.000621)),
        to(Furlong, D, times(0.005)), to(Rods, D, times(0.1988)), to(Yards, D, times(1.0936)),
        to(Feet, D, times(3.2808)), to(Inches, D, times(39.3701)),
    }},
    {{  // DECIMETERS
        to(Kilometers, D, times(0.0001)), to(Hectometers, D, times(0.001)),
        to(Dekameters, D, times(0.01)), to(Meters, D, times(0.1)),
        to(Centimeters, S, times(10)), to(Millimeters, S, times(100)),
        to(League, D, times(0.0000621), per(3)), to(Miles, D, times(0.0000621)),
        to(Furlong, D, times(0.0005)), to(Rods, D, times(0.01988)),
        to(Yards, D, times(0.10936)), to(Feet, D, times(0.32808)), to(Inches, D, times(3.93701)),
    }},
    {{  // CENTIMETERS
        to(Kilometers, D, times(0.00001)), to(Hectometers, D, times(0.0001)),
        to(Dekameters, D, times(0.001)), to(Meters, D, times(0.01)),
        to(Decimeters, D, times(0.1)), to(Millimeters, S, times(10)),
        to(League, D, times(0.00000621), per(3)), to(Miles, D, times(0.00000621)),
        to(Furlong, D, per(220), times(0.010936)), to(Rods, D, times(0.00198839)),
        to(Yards, D, times(0.0109)), to(Feet, D, times(0.0328)), to(Inches, D, times(0.3937)),
    }},
    {{  // MILLIMETERS
        to(Kilometers, D, per(1000000)), to(Hectometers, D, per(100000)),
        to(Dekameters, S, per(10000)), to(Meters, S, per(1000)),
        to(Decimeters, S, per(100)), to(Centimeters, S, per(10)),
        to(League, D, times(0.001), times(0.000621), per(3)),
        to(Miles, D, times(0.001), times(0.000621)),
        to(Furlong, D, times(0.001), times(0.00497)), to(Rods, D, times(0.001), times(0.1988)),
        to(Yards, D, times(0.001), times(1.0936)), to(Feet, D, times(0.0033)),
        to(Inches, D, times(0.0394)),
    }},
}};
// clang-format on

constexpr LengthUnit smallestUnitLike(LengthUnit unit) {
    return isMetric(unit) ? Millimeters : Inches;
}

// Within a system every unit converts into the smallest in one exact step:
// a multiplication by a whole number.
constexpr std::uint32_t exactSizeInSmallestUnit(LengthUnit unit) {
    if (unit == smallestUnitLike(unit))
        return 1;
    for (const ConversionCell& cell : kTable[unitIndex(unit)]) {
        if (cell.target != smallestUnitLike(unit))
            continue;
        const ConversionStep step = cell.steps[0];
        const auto size = static_cast<std::uint32_t>(step.factor);
        if (cell.stepCount == 1 && step.op == StepOp::Multiply && size == step.factor)
            return size;
    }
    return 0;
}

constexpr std::array<std::uint32_t, kUnitCount> kSizesInSmallestUnit = [] {
    std::array<std::uint32_t, kUnitCount> sizes{};
    for (std::size_t i = 0; i < kUnitCount; ++i)
        sizes[i] = exactSizeInSmallestUnit(LengthUnit(i));
    return sizes;
}();
static_assert(std::find(kSizesInSmallestUnit.begin(), kSizesInSmallestUnit.end(), 0u) == kSizesInSmallestUnit.end(),
              "every unit converts exactly into the smallest of its system");

}  // namespace

std::uint32_t sizeInSmallestUnit(LengthUnit unit) {
    return kSizesInSmallestUnit[unitIndex(unit)];
}

std::span<const ConversionCell> conversionRow(LengthUnit source) {
    const std::size_t index = unitIndex(source);
    if (index >= kTable.size())
        return {};
    return kTable[index];
}

std::optional<CellValue> evaluateCell(const ConversionCell& cell, float x) {
    double value = x;
    for (const ConversionStep& step : cell.activeSteps())
        value = step.op == StepOp::Multiply ? value * step.factor : value / step.factor;

    if (cell.precision == ResultPrecision::Single) {
        // Narrowing rounds to nearest; a magnitude beyond the float range
        // becomes an infinity, which is the overflow.
        const float narrowed = static_cast<float>(value);
        if (!std::isfinite(narrowed))
            return std::nullopt;
        return CellValue{narrowed, ResultPrecision::Single};
    }
    if (!std::isfinite(value))
        return std::nullopt;
    return CellValue{value, ResultPrecision::Double};
}

}  // namespace zelvar
