#include "calculators/remaining_life.h"

#include <cmath>

namespace corrolab {

namespace {
constexpr double kDaysPerYear = 365.25;
constexpr int kLastYear = 9999;
} // namespace

Checked<RemainingLife> CalculateRemainingLife(
    const WallInput& wall, std::chrono::year_month_day measured)
{
    if (!(wall.thickness > 0) || !std::isfinite(wall.thickness))
        return InputError {"thickness", "The wall thickness must be above 0."};
    if (wall.minimum < 0 || !std::isfinite(wall.minimum))
        return InputError {"minimum", "The minimum thickness must not be negative."};
    if (wall.minimum > wall.thickness)
        return InputError {"minimum", "The minimum thickness is above the wall thickness."};
    if (wall.rate < 0 || !std::isfinite(wall.rate))
        return InputError {"rate", "The rate must not be negative."};
    if (wall.rate == 0)
        return InputError {"rate", "At a rate of 0 the minimum thickness is never reached."};
    RemainingLife life;
    life.years = (wall.thickness - wall.minimum) / wall.rate;
    if (!std::isfinite(life.years))
        return InputError {"rate", "The rate is too small to give a remaining life."};
    const double days = std::floor(life.years * kDaysPerYear);
    const double lastDay = (std::chrono::sys_days(std::chrono::year(kLastYear) / 12 / 31)
        - std::chrono::sys_days(measured))
                               .count();
    if (days <= lastDay)
        life.date = std::chrono::year_month_day(
            std::chrono::sys_days(measured) + std::chrono::days(static_cast<long>(days)));
    return life;
}

Checked<double> DesignAllowance(double rate, double designLifeYears)
{
    if (rate < 0 || !std::isfinite(rate))
        return InputError {"rate", "The rate must not be negative."};
    if (!(designLifeYears > 0) || !std::isfinite(designLifeYears))
        return InputError {"design", "The design life must be above 0."};
    if (!std::isfinite(rate * designLifeYears))
        return InputError {"design", "The design life is too long to give an allowance."};
    return rate * designLifeYears;
}

double ThicknessAfter(const WallInput& wall, double years)
{
    return wall.thickness - wall.rate * years;
}

} // namespace corrolab
