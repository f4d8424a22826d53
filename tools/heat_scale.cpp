#include "tools/heat_scale.h"

#include "tools/element_facts.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace corrolab {

namespace {

// The stops of the heat map, evenly spaced from 0 to 1.
constexpr std::array<Rgb, 5> kStops {{
    {33, 49, 140}, // dark blue
    {34, 140, 160}, // teal
    {120, 195, 90}, // green
    {250, 215, 60}, // yellow
    {205, 40, 35}, // red
}};

int Mix(int a, int b, double t)
{
    return static_cast<int>(std::lround(a + (b - a) * t));
}

} // namespace

Rgb HeatColour(double fraction)
{
    if (!(fraction > 0))
        return kStops.front();
    if (fraction >= 1)
        return kStops.back();
    const double place = fraction * (kStops.size() - 1);
    const size_t below = static_cast<size_t>(place);
    const double t = place - static_cast<double>(below);
    const Rgb a = kStops[below];
    const Rgb b = kStops[below + 1];
    return {Mix(a.red, b.red, t), Mix(a.green, b.green, t), Mix(a.blue, b.blue, t)};
}

bool WantsLightText(Rgb background)
{
    // Relative luminance by the usual weights of the eye.
    const double luminance
        = 0.299 * background.red + 0.587 * background.green + 0.114 * background.blue;
    return luminance < 140;
}

HeatScale::HeatScale(int field, double low, double high)
    : field_(field)
    , low_(low)
    , high_(high)
{ }

std::optional<HeatScale> HeatScale::OfField(int k, int lastElement)
{
    std::optional<double> low;
    std::optional<double> high;
    for (int z = 1; z <= lastElement; ++z) {
        const std::optional<double> value = NumericField(z, k);
        if (!value || !std::isfinite(*value))
            continue;
        low = low ? std::min(*low, *value) : *value;
        high = high ? std::max(*high, *value) : *value;
    }
    if (!low || !(*high > *low))
        return std::nullopt;
    return HeatScale(k, *low, *high);
}

double HeatScale::FractionOf(double value) const
{
    return std::clamp((value - low_) / (high_ - low_), 0.0, 1.0);
}

std::optional<Rgb> HeatScale::ColourOfElement(int z) const
{
    const std::optional<double> value = NumericField(z, field_);
    if (!value)
        return std::nullopt;
    return ColourOf(*value);
}

std::vector<double> HeatScale::LegendValues(int count) const
{
    std::vector<double> values;
    if (count < 2)
        return {low_};
    for (int i = 0; i < count; ++i)
        values.push_back(low_ + (high_ - low_) * i / (count - 1));
    return values;
}

} // namespace corrolab
