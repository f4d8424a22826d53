// Reading a polarization curve and fitting it: a 1 MB Gamry .DTA and a
// Butler-Volmer fit of 10,000 points.
#include "polarization/analysis.h"
#include "polarization/curve_readers.h"
#include "tests/support/polarization_curves.h"

#include <benchmark/benchmark.h>

namespace corrolab {
namespace {

testing::SyntheticCurve TenThousandPoints()
{
    testing::SyntheticCurve curve;
    curve.step = 0.00005; // 10,001 points over +-250 mV
    return curve;
}

// A .DTA of about 1 MB: the activation curve at 0.1 mV steps.
std::string MegabyteDta()
{
    testing::SyntheticCurve curve;
    curve.step = 0.00004; // 12,501 rows
    std::string text = testing::GamryText(testing::MakeActivationCurve(curve), 1, 7.87, 27.92);
    return text;
}

void ReadMegabyteDta(benchmark::State& state)
{
    const std::string text = MegabyteDta();
    for (auto _ : state) {
        CurveRead read = ReadCurveBytes(text);
        benchmark::DoNotOptimize(read);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
    state.counters["file_bytes"] = static_cast<double>(text.size());
}
BENCHMARK(ReadMegabyteDta)->Unit(benchmark::kMillisecond);

void FitTenThousandPoints(benchmark::State& state)
{
    const CurveBranch branch = testing::MakeActivationCurve(TenThousandPoints());
    AnalysisOptions options;
    options.window = PotentialWindow {-0.25, 0.25};
    for (auto _ : state) {
        PolarizationAnalysis analysis = AnalyseBranch(branch, options);
        benchmark::DoNotOptimize(analysis);
    }
    state.counters["points"] = static_cast<double>(AnalyseBranch(branch, options).result->points);
}
BENCHMARK(FitTenThousandPoints)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace corrolab
