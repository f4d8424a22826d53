#include "calculators/rate_units.h"

#include "corrosion/corrosion_rate_units.h"
#include "corrosion/material_values.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace corrolab {

namespace {

std::optional<double> Factor(std::string_view unit, const CalculatorMaterial& material)
{
    const double ratio = material.EquivalentVolume();
    for (const UnitFactor& entry : CorrosionRateFactors(material.equivalentWeight, ratio))
        if (entry.name == unit)
            return entry.factor;
    return std::nullopt;
}

bool Usable(const std::optional<double>& factor)
{
    return factor && std::isfinite(*factor) && *factor > 0;
}

} // namespace

CalculatorMaterial FrameCalculatorMaterial(std::string name, const FrameMaterial& frame)
{
    return {std::move(name), frame.equivalentWeight, frame.density, {}, frame.ratio};
}

CalculatorMaterial IronMaterial()
{
    CalculatorMaterial iron = FrameCalculatorMaterial("Iron", ReadFrame(kStartFrame));
    iron.densitySource = "element";
    return iron;
}

std::vector<std::string> RateUnitNames()
{
    std::vector<std::string> names;
    for (const UnitFactor& entry : CorrosionRateFactors(1, 1))
        names.emplace_back(entry.name);
    return names;
}

bool IsRateUnit(std::string_view name)
{
    const auto names = RateUnitNames();
    return std::ranges::find(names, name) != names.end();
}

std::optional<double> ConvertRate(
    double value, std::string_view from, std::string_view to, const CalculatorMaterial& material)
{
    if (from == to && IsRateUnit(from))
        return value;
    const auto fromFactor = Factor(from, material);
    const auto toFactor = Factor(to, material);
    if (!Usable(fromFactor) || !Usable(toFactor))
        return std::nullopt;
    // The ratio first: value * factor alone can overflow for a rate that
    // converts to a number (1e304 mm/year is 4e305 mpy).
    const double converted = value * (*toFactor / *fromFactor);
    if (!std::isfinite(converted))
        return std::nullopt;
    return converted;
}

} // namespace corrolab
