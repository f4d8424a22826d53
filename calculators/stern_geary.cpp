#include "calculators/stern_geary.h"

#include <cmath>

namespace corrolab {

namespace {
constexpr double kLn10 = 2.303; // as the standard writes it
constexpr double kMicroampsPerMilliamp = 1000;
} // namespace

Checked<double> SternGearyCoefficient(double anodicSlope, double cathodicSlope)
{
    if (!(anodicSlope > 0) || !std::isfinite(anodicSlope))
        return InputError {"ba", "The anodic Tafel slope must be above 0."};
    if (!(cathodicSlope > 0) || !std::isfinite(cathodicSlope))
        return InputError {"bc", "The cathodic Tafel slope must be above 0."};
    return anodicSlope * cathodicSlope / (kLn10 * (anodicSlope + cathodicSlope));
}

Checked<double> CorrosionCurrentDensity(
    double coefficient, double polarizationResistance, std::optional<double> electrodeArea)
{
    if (!(coefficient > 0) || !std::isfinite(coefficient))
        return InputError {"b", "B must be above 0."};
    if (!(polarizationResistance > 0) || !std::isfinite(polarizationResistance))
        return InputError {"rp", "The polarization resistance must be above 0."};
    double specific = polarizationResistance;
    if (electrodeArea) {
        if (!(*electrodeArea > 0) || !std::isfinite(*electrodeArea))
            return InputError {"electrode", "The electrode area must be above 0."};
        specific *= *electrodeArea;
    }
    // mV / (ohm cm^2) = mA/cm^2
    const double current = coefficient / specific * kMicroampsPerMilliamp;
    if (!std::isfinite(current))
        return InputError {"rp", "The numbers are too far apart to give a current."};
    return current;
}

} // namespace corrolab
