// Conversions per second through the main window's conversion and through the
// command line's streaming path.
#include "app/command_line.h"
#include "app/conversion.h"
#include "corrosion/corrosion_rate_units.h"

#include <benchmark/benchmark.h>
#include <sstream>
#include <string>

namespace {

using namespace corrolab;

UnitTable IronTable()
{
    UnitTable table;
    LoadCorrosionRateUnits(table, 27.92, 3.5526);
    return table;
}

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
    std::string input;
    for (int i = 0; i < 1'000'000; ++i)
        input += std::to_string(i % 997) + "." + std::to_string(i % 89) + "\n";
    for (auto _ : state) {
        std::istringstream in(input);
        std::ostringstream out;
        std::ostringstream err;
        RunCommandLine({"convert", "-", "micro_amp/cm^2", "mpy"}, in, out, err, "/nonexistent");
        benchmark::DoNotOptimize(out.str().size());
    }
    state.SetItemsProcessed(state.iterations() * 1'000'000);
}
BENCHMARK(StreamMillionValues)->Unit(benchmark::kMillisecond);

} // namespace
