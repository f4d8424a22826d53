#pragma once

#include "base/checked.h"

#include <optional>

namespace corrolab {

// The Stern-Geary coefficient B in mV from the anodic and cathodic Tafel slopes
// in mV/decade: B = ba * bc / (2.303 * (ba + bc)). Slopes of 0 or below are refused.
Checked<double> SternGearyCoefficient(double anodicSlope, double cathodicSlope);

// The coefficient most often assumed when the slopes are not known, in mV.
inline constexpr double kTypicalSternGearyCoefficient = 26;

// The corrosion current density in micro_amp/cm^2: i = B / Rp, B in mV. Rp is in
// ohm cm^2, or in ohm when the electrode area (cm^2) is given.
Checked<double> CorrosionCurrentDensity(
    double coefficient, double polarizationResistance, std::optional<double> electrodeArea);

} // namespace corrolab
