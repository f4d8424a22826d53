#pragma once

#include "base/unit_table.h"

#include <array>
#include <string_view>

namespace corrolab {

// The row of the unit table that holds the corrosion-rate units.
inline constexpr int kCorrosionRateCategory = 1;

struct UnitFactor
{
    std::string_view name;
    double factor; // the value of 1 amp/cm^2 in this unit
};

// The ten corrosion-rate units in table order with their factors for a material
// of equivalent weight `ew` (g) and equivalent weight over density `v`
// (cm^3 per equivalent). Mass-loss factors follow Faraday's law and depend on ew
// only; penetration factors depend on v only.
std::array<UnitFactor, 10> CorrosionRateFactors(double ew, double v);

// Rebuilds the corrosion-rate row of the table and sets its unit count to 10.
void LoadCorrosionRateUnits(UnitTable& table, double ew, double v);

} // namespace corrolab
