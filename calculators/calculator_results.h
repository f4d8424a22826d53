#pragma once

#include "base/checked.h"
#include "calculators/copy_text.h"
#include "calculators/coupon_table.h"
#include "calculators/mass_loss.h"
#include "calculators/rate_units.h"
#include "calculators/remaining_life.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace corrolab {

// What a calculator works out: the rows its page shows (and copies and
// prints), and the figures the command line prints from the same calculation.
// The general rate in mm/year places the severity band; empty where it cannot be
// worked out.
struct CalculatorResult
{
    std::vector<CopyRow> rows;
    std::optional<double> rate; // in the chosen unit
    std::optional<double> mmPerYear;
};

// One coupon: the rate in the unit and in mm/year with its severity; with the
// deepest pit, the mean penetration, the pitting factor and the pitting rate.
// The mass loss and the area are shown first where the page worked them out
// (from the weighings, from the coupon's dimensions).
struct MassLossCase
{
    MassLossInput input;
    std::optional<double> deepestPit; // mm
    bool massFromWeighings = false;
    std::optional<double> dimensionsArea; // cm^2, when worked out from the dimensions
};
struct MassLossResult : CalculatorResult
{
    std::optional<double> pitRate; // mm/year
};
Checked<MassLossResult> CalculateMassLossCase(
    const MassLossCase& coupon, const CalculatorMaterial& material, const std::string& unit);

// Linear polarization: B, the corrosion current density and the rate.
struct PolarizationResult : CalculatorResult
{
    double coefficient = 0; // B, mV
    double currentDensity = 0; // micro_amp/cm^2
};
Checked<PolarizationResult> CalculatePolarizationResistance(double coefficient,
    double polarizationResistance, std::optional<double> electrodeArea,
    const CalculatorMaterial& material, const std::string& unit);

// A wall's remaining life at a rate typed in any of the ten units (converted to
// mm/year with the material), with the design allowance when a design life is given.
struct LifeCase
{
    double thickness = 0; // mm
    double minimum = 0; // mm
    double rate = 0; // in rateUnit
    std::string rateUnit;
    std::chrono::year_month_day measured;
    std::optional<double> designLife; // years
};
struct LifeResult : CalculatorResult
{
    WallInput wall;
    RemainingLife life;
    std::optional<double> allowance; // mm
};
Checked<LifeResult> CalculateLife(const LifeCase& wall, const CalculatorMaterial& material);

// A table of coupons: each coupon's rate, the statistics, the blank's mean and
// the inhibitor efficiency, and the severity of the mean.
struct CouponTableResult : CalculatorResult
{
    CouponSummary summary;
};
Checked<CouponTableResult> CalculateCouponTable(
    const CouponTable& table, const CalculatorMaterial& material, const std::string& unit);

} // namespace corrolab
