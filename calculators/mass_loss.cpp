#include "calculators/mass_loss.h"

#include <cmath>
#include <numbers>

namespace corrolab {

namespace {

constexpr double kMm2PerCm2 = 100;
constexpr double kMmPerCm = 10;
constexpr double kHoursPerYear = 8766; // 365.25 days

double CircleArea(double diameter)
{
    return std::numbers::pi * diameter * diameter / 4;
}

std::optional<InputError> CheckPositive(double value, const char* field, const char* what)
{
    if (!(value > 0) || !std::isfinite(value))
        return InputError {field, std::string("The ") + what + " must be above 0."};
    return std::nullopt;
}

std::optional<InputError> CheckHole(double hole, double limit, const char* what)
{
    if (hole < 0 || !std::isfinite(hole))
        return InputError {"hole", "The hole diameter must not be negative."};
    if (hole >= limit)
        return InputError {"hole", std::string("The hole must be smaller than the ") + what + "."};
    return std::nullopt;
}

std::optional<InputError> CheckInput(const MassLossInput& input)
{
    if (input.massLoss < 0 || !std::isfinite(input.massLoss))
        return InputError {"mass", "The mass loss must not be negative."};
    if (auto error = CheckPositive(input.area, "area", "area"))
        return error;
    return CheckPositive(input.hours, "time", "exposure time");
}

} // namespace

Checked<double> CouponArea(const RectangularCoupon& c)
{
    if (auto error = CheckPositive(c.length, "length", "length"))
        return *error;
    if (auto error = CheckPositive(c.width, "width", "width"))
        return *error;
    if (auto error = CheckPositive(c.thickness, "thickness", "thickness"))
        return *error;
    if (auto error = CheckHole(c.holeDiameter, std::min(c.length, c.width), "width and length"))
        return *error;
    const double faces = 2 * (c.length * c.width - CircleArea(c.holeDiameter));
    const double edges = 2 * (c.length + c.width) * c.thickness;
    const double holeWall = std::numbers::pi * c.holeDiameter * c.thickness;
    return (faces + edges + holeWall) / kMm2PerCm2;
}

Checked<double> CouponArea(const DiscCoupon& c)
{
    if (auto error = CheckPositive(c.diameter, "diameter", "diameter"))
        return *error;
    if (auto error = CheckPositive(c.thickness, "thickness", "thickness"))
        return *error;
    if (auto error = CheckHole(c.holeDiameter, c.diameter, "diameter"))
        return *error;
    const double faces = 2 * (CircleArea(c.diameter) - CircleArea(c.holeDiameter));
    const double rim = std::numbers::pi * c.diameter * c.thickness;
    const double holeWall = std::numbers::pi * c.holeDiameter * c.thickness;
    return (faces + rim + holeWall) / kMm2PerCm2;
}

Checked<double> MassLossFromWeighings(double initial, double final)
{
    if (!(initial > 0))
        return InputError {"initial", "The initial mass must be above 0."};
    if (final < 0)
        return InputError {"final", "The final mass must not be negative."};
    if (final > initial)
        return InputError {
            "final", "The final mass is above the initial mass (a gain, not a loss)."};
    return initial - final;
}

namespace {

// The rate in a unit, before the check that it is a number at all.
Checked<double> RawMassLossRate(
    const MassLossInput& input, const CalculatorMaterial& material, std::string_view unit)
{
    if (auto error = CheckInput(input))
        return *error;
    if (!IsRateUnit(unit))
        return InputError {"unit", "Unknown unit '" + std::string(unit) + "'."};
    if (!(material.density > 0))
        return InputError {"density", "The density must be above 0."};
    const double mmPerYear = kMassLossMillimetresPerYear * input.massLoss
        / (input.area * input.hours * material.density);
    const auto rate = ConvertRate(mmPerYear, kMillimetresPerYear, unit, material);
    if (!rate)
        return InputError {"ew", "The equivalent weight must be above 0 for this unit."};
    return *rate;
}

} // namespace

Checked<double> MassLossRate(
    const MassLossInput& input, const CalculatorMaterial& material, std::string_view unit)
{
    const InputError tooFarApart {"mass", "The numbers are too far apart to give a rate."};
    if (auto error = CheckInput(input))
        return *error;
    if (!std::isfinite(input.massLoss / (input.area * input.hours)))
        return tooFarApart;
    const Checked<double> rate = RawMassLossRate(input, material, unit);
    if (rate && !std::isfinite(*rate))
        return tooFarApart;
    return rate;
}

Checked<double> MeanPenetration(const MassLossInput& input, const CalculatorMaterial& material)
{
    if (auto error = CheckInput(input))
        return *error;
    if (!(material.density > 0))
        return InputError {"density", "The density must be above 0."};
    return kMmPerCm * input.massLoss / (input.area * material.density);
}

Checked<double> PittingFactor(
    double deepestPit, const MassLossInput& input, const CalculatorMaterial& material)
{
    if (deepestPit < 0 || !std::isfinite(deepestPit))
        return InputError {"pit", "The pit depth must not be negative."};
    const Checked<double> mean = MeanPenetration(input, material);
    if (!mean)
        return mean;
    if (*mean == 0)
        return InputError {
            "mass", "No mass was lost: the pitting factor needs a mean penetration."};
    return deepestPit / *mean;
}

double DepthRate(double depth, double hours)
{
    return depth * kHoursPerYear / hours;
}

} // namespace corrolab
