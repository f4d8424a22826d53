#include "corrosion/corrosion_rate_units.h"

#include <string>

namespace corrolab {

namespace {

constexpr double kSecondsPerDay = 86400;
constexpr double kCmPerInch = 2.54;
constexpr double kMmPerCm = 10;
constexpr double kMgPerG = 1000;
constexpr double kCm2PerDm2 = 100;
constexpr double kMilsPerInch = 1000;

} // namespace

std::array<UnitFactor, 10> CorrosionRateFactors(double ew, double v)
{
    // Evaluated left to right exactly as written, so that every digit matches
    // the published factor table.
    return {{
        {"micro_amp/cm^2", 1000000},
        {"milli_amp/cm^2", 1000},
        {"amp/cm^2", 1},
        {"g/cm^2-s", ew / kFaraday},
        {"mg/cm^2-s", kMgPerG * (ew / kFaraday)},
        {"mg/dm^2-s", kCm2PerDm2 * kMgPerG * (ew / kFaraday)},
        {"mdd", kSecondsPerDay * kCm2PerDm2 * kMgPerG * (ew / kFaraday)},
        {"mm/year", (1 / kFaraday) * kMmPerCm * kSecondsPerYear * v},
        {"ipy", (1 / kFaraday) / kCmPerInch * kSecondsPerYear * v},
        {"mpy", (1 / kFaraday) / kCmPerInch * kSecondsPerYear * kMilsPerInch * v},
    }};
}

void LoadCorrosionRateUnits(UnitTable& table, double ew, double v)
{
    int column = 0;
    for (const UnitFactor& unit : CorrosionRateFactors(ew, v)) {
        ++column;
        table.Store(column, kCorrosionRateCategory, std::string(unit.name), unit.factor);
    }
    table.unitCount = column;
}

} // namespace corrolab
