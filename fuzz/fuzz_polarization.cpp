// Fuzzes the polarization readers and the analysis of whatever they read. The
// first byte picks the reader (Gamry .DTA, EC-Lab, NOVA, plain table, or by the
// content); the rest is the file.

#include "fuzz/fuzz_check.h"
#include "polarization/analysis.h"
#include "polarization/curve_readers.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace corrolab::fuzz {
namespace {

CurveRead Read(std::uint8_t choice, std::string_view bytes)
{
    switch (choice % 5) {
    case 0:
        return ReadGamryDta(bytes);
    case 1:
        return ReadEcLabText(bytes);
    case 2:
        return ReadNovaExport(bytes);
    case 3:
        return ReadCurveTable(bytes);
    default:
        return ReadCurveBytes(bytes);
    }
}

} // namespace
} // namespace corrolab::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace corrolab;
    if (size == 0)
        return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const CurveRead read = fuzz::Read(data[0], bytes);
    if (!read.curve) {
        FUZZ_CHECK(!read.error.empty() && read.error.find('\n') == std::string::npos);
        return 0;
    }
    const PolarizationCurve& curve = *read.curve;
    FUZZ_CHECK(curve.potential.size() == curve.current.size() && curve.potential.size() >= 3);
    // At most a small multiple of the file's size.
    FUZZ_CHECK((curve.potential.capacity() + curve.current.capacity() + curve.time.capacity())
            * sizeof(double)
        <= 6 * size + 64);
    for (std::size_t k = 0; k < curve.potential.size(); ++k)
        FUZZ_CHECK(std::isfinite(curve.potential[k]) && std::isfinite(curve.current[k]));
    const SplitCurve split = SplitAtApex(curve, curve.area.value_or(1));
    for (const auto method : {PolarizationMethod::ButlerVolmer, PolarizationMethod::Tafel}) {
        AnalysisOptions options;
        options.method = method;
        const PolarizationAnalysis analysis = AnalyseBranch(split.forward, options);
        FUZZ_CHECK(!analysis.result || analysis.result->icorr.value > 0);
        FUZZ_CHECK(analysis.result || analysis.error.find('\n') == std::string::npos);
    }
    return 0;
}
