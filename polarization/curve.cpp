#include "polarization/curve.h"

#include <algorithm>
#include <cmath>

namespace corrolab {

namespace {

// A return shorter than this is measurement noise at the end of a one-way scan,
// not a reverse branch.
constexpr double kSmallestReturn = 0.005; // V
constexpr double kSmallestReturnShare = 0.02; // of the scanned range

} // namespace

SplitCurve SplitAtApex(const PolarizationCurve& curve, double area, double ru)
{
    SplitCurve split;
    const std::size_t count = std::min(curve.potential.size(), curve.current.size());
    if (count == 0)
        return split;
    const double perArea = curve.currentIsDensity || !(area > 0) ? 1 : area;
    const double currentArea = curve.currentIsDensity && area > 0 ? area : 1;
    std::vector<double> potential(count);
    std::vector<double> density(count);
    for (std::size_t k = 0; k < count; ++k) {
        const double amps = curve.current[k] * currentArea;
        potential[k] = curve.potential[k] - amps * ru;
        density[k] = curve.current[k] / perArea;
    }
    const auto [low, high] = std::minmax_element(potential.begin(), potential.end());
    const bool upwards = std::abs(potential[0] - *low) <= std::abs(potential[0] - *high);
    const std::size_t apex = static_cast<std::size_t>((upwards ? high : low) - potential.begin());
    const double range = *high - *low;
    const double back = std::abs(potential[count - 1] - potential[apex]);
    const bool returns
        = apex + 1 < count && back > std::max(kSmallestReturn, kSmallestReturnShare * range);
    const std::size_t forwardEnd = returns ? apex + 1 : count;
    split.forward.potential.assign(potential.begin(), potential.begin() + forwardEnd);
    split.forward.density.assign(density.begin(), density.begin() + forwardEnd);
    if (returns) {
        split.reverse.potential.assign(potential.begin() + apex, potential.end());
        split.reverse.density.assign(density.begin() + apex, density.end());
    }
    return split;
}

} // namespace corrolab
