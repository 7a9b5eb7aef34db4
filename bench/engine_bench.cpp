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
// compounds with and without a fraction; a German compound beside its
// English form, and a text that is no length, with German words active.
void BM_readWrittenLength(benchmark::State& state) {
    struct Case {
        const char* text;
        bool german;
    };
    static constexpr Case kCases[] = {{"5 ft", false},
                                      {"5 ft 10 in", false},
                                      {"5' 7 1/2\"", false},
                                      {"1 m 80", false},
                                      {"5 ft 10 in in cm", false},
                                      {"5 Fu\u00df 10 Zoll in cm", true},
                                      {"firefox", false},
                                      {"firefox", true}};
    const Case& reading = kCases[state.range(0)];
    state.SetLabel(std::string(reading.text) + (reading.german ? " (de)" : ""));
    const NumberForm form{".", {","}};
    static const UnitVocabulary german(std::vector<std::string>{"de"});
    const UnitVocabulary& vocabulary = reading.german ? german : UnitVocabulary::english();
    for (auto _ : state) {
        std::optional<WrittenLength> length = readWrittenLength(reading.text, form, vocabulary);
        benchmark::DoNotOptimize(length);
    }
}
BENCHMARK(BM_readWrittenLength)->DenseRange(0, 7);

}  // namespace

BENCHMARK_MAIN();
