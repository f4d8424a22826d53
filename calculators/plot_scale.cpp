#include "calculators/plot_scale.h"

#include <algorithm>
#include <cmath>

namespace corrolab {

double BandPosition(double rate, Attack attack)
{
    const SeverityEdges& e = EdgesFor(attack);
    const double edges[] = {0, e.moderate, e.high, e.severe, 4 * e.severe};
    if (!(rate > 0))
        return 0;
    for (int part = 0; part < 4; ++part)
        if (rate < edges[part + 1])
            return (part + (rate - edges[part]) / (edges[part + 1] - edges[part])) / 4;
    return 1;
}

double RoundStep(double range, int maxSteps)
{
    if (!(range > 0) || !std::isfinite(range) || maxSteps < 1)
        return 1;
    const double rough = range / maxSteps;
    const double power = std::pow(10, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0})
        if (factor * power >= rough)
            return factor * power;
    return 10 * power;
}

} // namespace corrolab
