// Conversions per second through the main window's conversion and through the
// command line's streaming path.
#include "app/conversion.h"
#include "bench/command_line_stream.h"

#include <benchmark/benchmark.h>

namespace {

using namespace corrolab;

// Every conversion: both units searched, the value read and formatted.
void ResolveAndFormatPerValue(benchmark::State& state)
{
    const UnitTable table = IronTable();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            Conversion::FromUnitTable(table, "micro_amp/cm^2", "mpy").Format("12.5", false));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ResolveAndFormatPerValue);

// Units resolved once, as the command line streams: read and format only.
void ResolvedPerValue(benchmark::State& state)
{
    const UnitTable table = IronTable();
    const Conversion conversion = Conversion::FromUnitTable(table, "micro_amp/cm^2", "mpy");
    for (auto _ : state)
        benchmark::DoNotOptimize(conversion.Format("12.5", false));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ResolvedPerValue);

// `corrolab convert - micro_amp/cm^2 mpy` over a million values, in process.
void StreamMillionValues(benchmark::State& state)
{
    StreamMillionValuesThrough(state, {"convert", "-", "micro_amp/cm^2", "mpy"});
}
BENCHMARK(StreamMillionValues)->Unit(benchmark::kMillisecond);

} // namespace
