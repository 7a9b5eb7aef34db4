// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the engine turns a typed entry into fourteen captions.
#include <benchmark/benchmark.h>

#include "engine/convert.h"
#include "engine/read_number.h"

using namespace zelvar;

namespace {

// A typical entry in each unit: a few digits with a fraction.
void BM_convertEntry(benchmark::State& state) {
    const UnitInfo& unit = kUnits[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(std::string(unit.name));
    for (auto _ : state) {
        ConvertResult result = convertEntry("1234.56", unit.name);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_convertEntry)->DenseRange(0, kUnitCount - 1);

void BM_FormatResult(benchmark::State& state) {
    const auto precision = state.range(0) == 0 ? ResultPrecision::Single : ResultPrecision::Double;
    state.SetLabel(precision == ResultPrecision::Single ? "Single" : "Double");
    const double value = precision == ResultPrecision::Single ? double(float(1234567.891)) : 1234567.891234;
    for (auto _ : state) {
        std::string text = FormatResult(value, precision);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_FormatResult)->Arg(0)->Arg(1);

void BM_ReadNumber(benchmark::State& state) {
    for (auto _ : state) {
        double value = ReadNumber(" 1234.5678E-2");
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_ReadNumber);

}  // namespace

BENCHMARK_MAIN();
