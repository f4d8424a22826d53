#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corrolab {

// The material a calculator works with: its name, equivalent weight (g) and
// density (g/cm^3), and where the density comes from ("handbook",
// "volume-additive", "element", "given"; empty for the main window's frame).
// `ratio` is the equivalent weight over the density as the main window's frame
// holds it (3.5526 for iron, from the unrounded figures), so that a calculator
// reading the frame converts exactly as the main window does; 0 where only the
// two figures are known.
struct CalculatorMaterial
{
    std::string name;
    double equivalentWeight = 0;
    double density = 0;
    std::string densitySource = {};
    double ratio = 0;

    // cm^3 per equivalent: the frame's ratio, else equivalent weight / density
    // (0 without a density).
    double EquivalentVolume() const
    {
        return ratio > 0 ? ratio : density > 0 ? equivalentWeight / density : 0;
    }
};

struct FrameMaterial;

// The material the main window's frame holds, under the name it shows: its two
// figures and its ratio, so that every calculator converts as the main window.
CalculatorMaterial FrameCalculatorMaterial(std::string name, const FrameMaterial& frame);

// Iron as the main window opens.
CalculatorMaterial IronMaterial();

// The names of the ten corrosion-rate units, in the main window's order.
std::vector<std::string> RateUnitNames();
bool IsRateUnit(std::string_view name);

inline constexpr std::string_view kMillimetresPerYear = "mm/year";
inline constexpr std::string_view kMicroampsPerCm2 = "micro_amp/cm^2";

// Converts a rate between two of the ten units with the main window's factors
// for the material (penetration through equivalent weight / density).
// std::nullopt when a unit is unknown or the material lacks what the units need
// (a factor of 0 or not finite).
std::optional<double> ConvertRate(
    double value, std::string_view from, std::string_view to, const CalculatorMaterial& material);

} // namespace corrolab
