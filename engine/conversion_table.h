// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "result_precision.h"
#include "units.h"

namespace zelvar {

enum class StepOp : std::uint8_t { Multiply, Divide };

struct ConversionStep {
    StepOp op;
    double factor;  // the decimal constant of the table, as the nearest double
};

// How one source unit converts into one target unit: up to three steps,
// applied left to right from the entered value, in double precision.
struct ConversionCell {
    LengthUnit target;
    std::array<ConversionStep, 3> steps;
    std::uint8_t stepCount;
    ResultPrecision precision;

    std::span<const ConversionStep> activeSteps() const {
        return {steps.data(), stepCount < steps.size() ? stepCount : steps.size()};
    }
};

inline constexpr std::size_t kCellsPerRow = kUnitCount - 1;

// The thirteen cells of a source unit, in the order they are produced:
// customary sources go through the other units in unit-list order; metric
// sources through the other metric units first, then the customary ones.
std::span<const ConversionCell> conversionRow(LengthUnit source);

// How many of the smallest unit of its system (inches, or millimetres) make
// one unit: a whole number, from the row's exact cell into that unit.
std::uint32_t sizeInSmallestUnit(LengthUnit unit);

struct CellValue {
    double value;  // for a Single cell, a value exactly representable as float
    ResultPrecision precision;
};

// Evaluates a cell for the entered value x. Returns nullopt when the result
// is not a finite number of the cell's precision (overflow).
std::optional<CellValue> evaluateCell(const ConversionCell& cell, float x);

}  // namespace zelvar
