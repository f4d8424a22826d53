#pragma once

#include <optional>
#include <string>
#include <vector>

namespace corrolab {

// One catalogue alloy with the figures the tools window and the command line
// give for it.
struct AlloyFigures
{
    std::string name;
    std::string baseMetal;
    std::string composition;
    // Empty where the calculation cannot be done.
    std::optional<double> classicEquivalentWeight; // g
    std::optional<double> g102EquivalentWeight; // g
    std::optional<double> density; // g/cm^3, the classic calculation's
    // A coupon's density (handbook, else volume-additive) and its source word.
    std::optional<double> couponDensity; // g/cm^3
    std::string densitySource;
    // The penetration rate of 1 micro_amp/cm^2 in mm/year, with the text the
    // main window shows for it after the classic figures are handed back.
    std::optional<double> rate;
    std::string rateText;
};

// The figures of one alloy, by the same road as `corrolab material --alloy`
// and `corrolab convert --alloy NAME 1 micro_amp/cm^2 mm/year`.
AlloyFigures FiguresOfAlloy(
    const std::string& baseMetal, const std::string& name, const std::string& composition);

// Every alloy of the catalogue, base metal by base metal, in catalogue order.
std::vector<AlloyFigures> CatalogueFigures();

} // namespace corrolab
