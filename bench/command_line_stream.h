#pragma once

// The conversion benchmarks' common ground: iron's corrosion-rate units, and
// the command line streaming a million values in process.
#include "cli/command_line.h"
#include "corrosion/corrosion_rate_units.h"

#include <benchmark/benchmark.h>
#include <sstream>
#include <string>
#include <vector>

namespace corrolab {

inline UnitTable IronTable()
{
    UnitTable table;
    LoadCorrosionRateUnits(table, 27.92, 3.5526);
    return table;
}

// Runs `corrolab ARGS` over a million values on standard input, in process.
inline void StreamMillionValuesThrough(
    benchmark::State& state, const std::vector<std::string>& args)
{
    constexpr int kValues = 1'000'000;
    std::string input;
    for (int i = 0; i < kValues; ++i)
        input += std::to_string(i % 997) + "." + std::to_string(i % 89) + "\n";
    for (auto _ : state) {
        std::istringstream in(input);
        std::ostringstream out;
        std::ostringstream err;
        RunCommandLine(args, in, out, err, "/nonexistent");
        benchmark::DoNotOptimize(out.str().size());
    }
    state.SetItemsProcessed(state.iterations() * kValues);
}

} // namespace corrolab
