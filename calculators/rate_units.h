#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corrolab {

// The material a calculator works with: its name, equivalent weight (g) and
// density (g/cm^3), and where the density comes from ("handbook",
// "volume-additive", "element", "given"; empty for the main window's frame).
struct CalculatorMaterial
{
    std::string name;
    double equivalentWeight = 0;
    double density = 0;
    std::string densitySource = {};
};

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
