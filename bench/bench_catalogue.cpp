// Conversions of catalogue units: one resolved conversion per value, resolving
// a pair, and the command line streaming a catalogue category.
#include "app/unit_resolution.h"
#include "bench/command_line_stream.h"

#include <benchmark/benchmark.h>

namespace {

using namespace corrolab;

constexpr CorrosionMaterial kIron {27.92, 3.5526};

Conversion Resolved(const char* category, const char* from, const char* to)
{
    static const UnitTable table = IronTable();
    return ResolveConversion(table, kIron, {category, from, to}).conversion;
}

// One resolved conversion: the value read, converted and formatted.
void ResolvedCatalogueValue(benchmark::State& state, const char* category, const char* from,
    const char* to, const char* value)
{
    const Conversion conversion = Resolved(category, from, to);
    for (auto _ : state)
        benchmark::DoNotOptimize(conversion.Format(value, false));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(ResolvedCatalogueValue, length, "Length", "furlong", "m", "12.5");
BENCHMARK_CAPTURE(ResolvedCatalogueValue, temperature, "Temperature", "C", "F", "100");
BENCHMARK_CAPTURE(
    ResolvedCatalogueValue, corrosion, "Corrosion rate", "mm/year", "g/m^2-day", "2.5");
BENCHMARK_CAPTURE(ResolvedCatalogueValue, roman, "Number formats", "Decimal", "Roman", "1994");

// Resolving a pair: both names found in their category and the rule built.
void ResolvePair(benchmark::State& state)
{
    const UnitTable table = IronTable();
    for (auto _ : state)
        benchmark::DoNotOptimize(ResolveConversion(table, kIron, {"Length", "furlong", "m"}));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ResolvePair);

// `corrolab convert --category Length - furlong m` over a million values, in process.
void StreamMillionLengthValues(benchmark::State& state)
{
    StreamMillionValuesThrough(state, {"convert", "--category", "Length", "-", "furlong", "m"});
}
BENCHMARK(StreamMillionLengthValues)->Unit(benchmark::kMillisecond);

} // namespace
