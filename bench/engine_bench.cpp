// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the engine turns a typed entry into fourteen captions.
#include <benchmark/benchmark.h>

#include "engine/convert.h"
#include "engine/read_number.h"
#include "engine/written_length.h"

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

// A length as a search or a terminal line gives it: a simple one, and
// compounds with and without a fraction.
void BM_readWrittenLength(benchmark::State& state) {
    static constexpr const char* kTexts[] = {"5 ft", "5 ft 10 in", "5' 7 1/2\"", "1 m 80"};
    const char* text = kTexts[state.range(0)];
    state.SetLabel(text);
    const NumberForm form{".", {","}};
    for (auto _ : state) {
        std::optional<WrittenLength> length = readWrittenLength(text, form);
        benchmark::DoNotOptimize(length);
    }
}
BENCHMARK(BM_readWrittenLength)->DenseRange(0, 3);

}  // namespace

BENCHMARK_MAIN();
