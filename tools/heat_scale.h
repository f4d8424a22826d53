#pragma once

#include <optional>
#include <vector>

namespace corrolab {

// A colour as red, green and blue from 0 to 255.
struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The colour of a place on a heat map, 0 the coolest and 1 the hottest: dark
// blue through teal and yellow to red. Fractions outside 0..1 take the end.
Rgb HeatColour(double fraction);

// Whether text on this background reads better in white than in black.
bool WantsLightText(Rgb background);

// The scale of a heat map of one numeric record field over the elements that
// have a value for it.
class HeatScale
{
public:
    // The scale of field k over elements 1 to `lastElement`; empty when fewer
    // than two elements have a value or all values are equal.
    static std::optional<HeatScale> OfField(int k, int lastElement);

    double low() const { return low_; }
    double high() const { return high_; }

    // Where a value lies between the ends, 0 to 1.
    double FractionOf(double value) const;
    Rgb ColourOf(double value) const { return HeatColour(FractionOf(value)); }
    // The colour of element z; empty when it has no value.
    std::optional<Rgb> ColourOfElement(int z) const;

    // `count` values from low to high at equal steps, for the legend.
    std::vector<double> LegendValues(int count) const;

private:
    HeatScale(int field, double low, double high);
    int field_;
    double low_;
    double high_;
};

} // namespace corrolab
