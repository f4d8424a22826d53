#pragma once

#include "base/checked.h"
#include "calculators/copy_text.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corrolab {

// The four standard metals of ISO 9223 (carbon steel, zinc, copper, aluminium).
enum class AtmosphereMetal { Steel, Zinc, Copper, Aluminium };
inline constexpr std::array<AtmosphereMetal, 4> kAtmosphereMetals {AtmosphereMetal::Steel,
    AtmosphereMetal::Zinc, AtmosphereMetal::Copper, AtmosphereMetal::Aluminium};

// "steel", "zinc", "copper", "aluminium": the names the command line takes.
std::string_view AtmosphereMetalKey(AtmosphereMetal metal);
std::optional<AtmosphereMetal> AtmosphereMetalFromKey(std::string_view key);
// "carbon steel", "zinc", "copper", "aluminium": as the page lists them.
std::string_view AtmosphereMetalName(AtmosphereMetal metal);
// The density (g/cm^3) that turns a mass loss in g/m^2 into a thickness in um.
double AtmosphereMetalDensity(AtmosphereMetal metal);

// The yearly means of the climate: temperature (C), relative humidity (%) and
// the depositions of SO2 and of chloride (mg/(m^2 d)).
struct Climate
{
    double temperature = 0;
    double humidity = 0;
    double so2 = 0;
    double chloride = 0;
};

// The first-year corrosion rate of ISO 9223's dose-response function for the
// metal: um/year for steel, zinc and copper, g/(m^2 a) for aluminium.
double DoseResponse(AtmosphereMetal metal, const Climate& climate);

// One line for each input that lies outside the climates the functions were
// derived from ("the temperature 35 C lies outside -17.1 to 28.7 C").
std::vector<std::string> OutsideDoseResponseRange(const Climate& climate);

// The categories of corrosivity, C1 (very low) to CX (extreme).
enum class Corrosivity { C1, C2, C3, C4, C5, CX };
std::string_view CorrosivityName(Corrosivity category); // "C3"

// The category of a first-year loss by ISO 9223 Table 2, from the mass column
// (g/(m^2 a)) or the thickness column (um/a). Each band holds its upper edge
// (the table's "a < r <= b"); a loss above the table's last edge is still CX.
// Aluminium has no thickness column: its thickness is first turned into mass.
Corrosivity CategoryFromMass(AtmosphereMetal metal, double gramsPerSquareMetre);
Corrosivity CategoryFromThickness(AtmosphereMetal metal, double micrometres);
// The band as text, by thickness or `byMass`: "25-50 um/year", "up to 1.3 um/year",
// "200-400 g/m^2 per year", "negligible", "above 10 g/m^2 per year" (aluminium's
// bands are always by mass).
std::string CategoryBand(AtmosphereMetal metal, Corrosivity category, bool byMass);
// ISO 9223's words for the category: "very low" ... "extreme".
std::string_view CorrosivityLevel(Corrosivity category);

// ISO 12944-2's typical environments of the category, outdoors and indoors.
struct TypicalEnvironment
{
    std::string_view exterior;
    std::string_view interior;
};
TypicalEnvironment TypicalEnvironmentOf(Corrosivity category);

// ISO 9224's time exponents: b1 for the mean, b2 for the upper estimate.
struct TimeExponents
{
    double mean;
    double upper;
};
TimeExponents TimeExponentsOf(AtmosphereMetal metal);

// The loss (um) after `years` from the first-year rate (um/year): r * t^b up to
// 20 years, then on along the tangent at 20 years, as ISO 9224 prescribes.
double LongTermLoss(double firstYearRate, double exponent, double years);
// The years until the loss reaches `allowance` (um); the inverse of LongTermLoss.
double YearsToLoss(double firstYearRate, double exponent, double allowance);

// What the user asks: a metal and either a climate or a first-year coupon loss.
enum class AtmosphereSource { Climate, MassLoss, Thickness };
struct AtmosphereRequest
{
    AtmosphereMetal metal = AtmosphereMetal::Steel;
    AtmosphereSource source = AtmosphereSource::Climate;
    Climate climate;
    double firstYearLoss = 0; // g/m^2 (MassLoss) or um (Thickness)
    double years = 20; // how far the loss is followed
    std::optional<double> allowance; // um
};

// One line of the loss table.
struct LossPoint
{
    double years;
    double mean; // um
    double upper; // um
};

struct AtmosphereAssessment
{
    double rate = 0; // first-year rate, um/year
    Corrosivity category = Corrosivity::C1;
    std::vector<LossPoint> losses; // from year 0 to `years`
    std::optional<double> yearsToAllowance; // upper estimate (the shorter)
    // The lines the page's table and the command line show, in order.
    std::vector<CopyRow> rows;
};

// Estimates or determines the category and follows the loss over the years. A
// negative deposition or loss, a humidity outside 0-100 %, years outside 1-100
// or an allowance not above 0 are refused, each naming its field.
Checked<AtmosphereAssessment> AssessAtmosphere(const AtmosphereRequest& request);

} // namespace corrolab
