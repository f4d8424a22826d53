#pragma once

#include "base/checked.h"
#include "calculators/rate_units.h"

#include <optional>
#include <string_view>

namespace corrolab {

// The constant K of the mass-loss rate in mm/year, CR = K * W / (A * T * D)
// (W in g, A in cm^2, T in hours, D in g/cm^3), as ASTM G1 publishes it. The
// other units follow from this rate through the corrosion-rate unit table, as
// the main window converts them.
inline constexpr double kMassLossMillimetresPerYear = 8.76e4;

// Coupon shapes and their exposed area (all faces and edges, a hole's wall
// added and its faces taken off), dimensions in mm, area in cm^2.
struct RectangularCoupon
{
    double length = 0;
    double width = 0;
    double thickness = 0;
    double holeDiameter = 0; // 0: no hole
};
struct DiscCoupon
{
    double diameter = 0;
    double thickness = 0;
    double holeDiameter = 0;
};
Checked<double> CouponArea(const RectangularCoupon& coupon);
Checked<double> CouponArea(const DiscCoupon& coupon);

inline constexpr double kHoursPerDay = 24;

// The inputs of one coupon.
struct MassLossInput
{
    double massLoss = 0; // g
    double area = 0; // cm^2
    double hours = 0; // exposure
};

// The mass lost from the weighings before and after; a final mass above the
// initial one (a gain) is refused.
Checked<double> MassLossFromWeighings(double initial, double final);

// The rate in `unit` (one of the ten corrosion-rate units): the rate in mm/year,
// converted with the main window's factors for the material.
Checked<double> MassLossRate(
    const MassLossInput& input, const CalculatorMaterial& material, std::string_view unit);

// The mean penetration of a coupon in mm (mass loss / (area * density)), and the
// pitting factor: deepest pit / mean penetration.
Checked<double> MeanPenetration(const MassLossInput& input, const CalculatorMaterial& material);
Checked<double> PittingFactor(
    double deepestPit, const MassLossInput& input, const CalculatorMaterial& material);

// A depth (mm) reached in an exposure (hours) as a rate in mm/year (365.25 days).
double DepthRate(double depth, double hours);

} // namespace corrolab
