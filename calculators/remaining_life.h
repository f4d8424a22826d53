#pragma once

#include "base/today.h"

#include "base/checked.h"

#include <chrono>
#include <optional>
#include <string>

namespace corrolab {

// The wall of a component: measured (or nominal) thickness and the minimum
// required thickness in mm, and the corrosion rate in mm/year.
struct WallInput
{
    double thickness = 0;
    double minimum = 0;
    double rate = 0;
};

struct RemainingLife
{
    double years = 0;
    // The date the minimum is reached, counted from the measuring date with
    // years of 365.25 days; empty when it lies beyond the year 9999.
    std::optional<std::chrono::year_month_day> date;
};

// Remaining life = (thickness - minimum) / rate. A minimum above the wall, a
// rate of 0 (the minimum is never reached) or below, and negative thicknesses
// are refused with their reason.
Checked<RemainingLife> CalculateRemainingLife(
    const WallInput& wall, std::chrono::year_month_day measured);

// The corrosion allowance a design life needs: rate (mm/year) * years, in mm.
Checked<double> DesignAllowance(double rate, double designLifeYears);

// The thickness (mm) after `years` at the rate, the wall's straight line.
double ThicknessAfter(const WallInput& wall, double years);

} // namespace corrolab
