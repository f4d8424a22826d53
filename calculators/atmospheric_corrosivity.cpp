#include "calculators/atmospheric_corrosivity.h"

#include "calculators/field_number.h"
#include "calculators/plot_scale.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace corrolab {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// ISO 9223:2012: the dose-response functions of the first-year corrosion rate
// (ISOCORRAG, MICAT and UN/ECE ICP Materials exposures):
//   r = a * Pd^p * exp(h * RH + f(T)) + c * Sd^s * exp(k * RH + m * T)
//   f(T) = cold * (T - 10) for T <= 10 C, warm * (T - 10) above,
// in um/year for carbon steel, zinc and copper and in g/(m^2 a) for aluminium.
// The carbon steel function as published with the ISO 9223 steel corrosion map
// of engineeringdirector.com and in the ISO 9223/9224 model of the CorWiz
// project (Institute of Surface Science). The zinc, copper and aluminium
// functions, every coefficient and the units, as a public dose-response
// calculator citing ISO 9223:2012 writes them out; no second independent copy
// of those three was found, nor the standard's own text.
struct DoseResponseFunction
{
    double a, p, h, cold, warm; // the SO2 term
    double c, s, k, m; // the chloride term
};
constexpr DoseResponseFunction kSteelFunction {
    1.77, 0.52, 0.020, 0.150, -0.054, 0.102, 0.62, 0.033, 0.040};
constexpr DoseResponseFunction kZincFunction {
    0.0129, 0.44, 0.046, 0.038, -0.071, 0.0175, 0.57, 0.008, 0.085};
constexpr DoseResponseFunction kCopperFunction {
    0.0053, 0.26, 0.059, 0.126, -0.080, 0.01025, 0.27, 0.036, 0.049};
constexpr DoseResponseFunction kAluminiumFunction {
    0.0042, 0.73, 0.025, 0.009, -0.043, 0.0018, 0.60, 0.020, 0.094};

// The climates the functions were derived from (ISO 9223:2012, clause 8.2; the
// same limits as the CorWiz model's inputs).
struct Range
{
    const char* what;
    double Climate::*value;
    double low;
    double high;
    const char* unit;
};
constexpr Range kRanges[] = {
    {"temperature", &Climate::temperature, -17.1, 28.7, "C"},
    {"relative humidity", &Climate::humidity, 34, 93, "%"},
    {"SO2 deposition", &Climate::so2, 0.7, 150.4, "mg/(m^2 d)"},
    {"chloride deposition", &Climate::chloride, 0.4, 760.5, "mg/(m^2 d)"},
};

// ISO 9223:2012 Table 2: the upper edge of each category's first-year loss,
// C1 to CX, by mass (g/(m^2 a)) and by thickness (um/a). Aluminium has only the
// mass column: C1 is "negligible", CX is open above 10. Every edge of the four
// metals in both units as the CorWiz project's extract of DIN EN ISO 9223
// Table 2 gives it; the steel thickness column also as cotes.com lists it, the
// steel and zinc columns up to C5 as the offshore-structures handbook's Table
// 6.7 (what-when-how.com) gives them.
struct Bands
{
    std::array<double, 6> mass;
    std::array<double, 6> thickness; // empty (0) for aluminium
};
constexpr Bands kSteelBands {{10, 200, 400, 650, 1500, 5500}, {1.3, 25, 50, 80, 200, 700}};
constexpr Bands kZincBands {{0.7, 5, 15, 30, 60, 180}, {0.1, 0.7, 2.1, 4.2, 8.4, 25}};
constexpr Bands kCopperBands {{0.9, 5, 12, 25, 50, 90}, {0.1, 0.6, 1.3, 2.8, 5.6, 10}};
constexpr Bands kAluminiumBands {{0, 0.6, 2, 5, 10, kInfinity}, {}};

// ISO 9224:2012, clause 6: the time exponents B1 (mean) and B2 (upper), as the
// CorWiz project tabulates them with t^b for 1 to 100 years.
constexpr TimeExponents kSteelExponents {0.523, 0.575};
constexpr TimeExponents kZincExponents {0.813, 0.873};
constexpr TimeExponents kCopperExponents {0.667, 0.726};
constexpr TimeExponents kAluminiumExponents {0.728, 0.807};
// ISO 9224: the power law holds for 20 years, then the loss grows linearly.
constexpr double kPowerLawYears = 20;

constexpr double kMaxYears = 100;

// Everything the standards give for one metal.
struct MetalData
{
    std::string_view key;
    std::string_view name;
    double density; // g/cm^3: ISO 9226 turns a mass loss into a thickness with it
    DoseResponseFunction function;
    Bands bands;
    TimeExponents exponents;
};
constexpr MetalData kMetals[] = {
    {"steel", "carbon steel", 7.86, kSteelFunction, kSteelBands, kSteelExponents},
    {"zinc", "zinc", 7.14, kZincFunction, kZincBands, kZincExponents},
    {"copper", "copper", 8.96, kCopperFunction, kCopperBands, kCopperExponents},
    {"aluminium", "aluminium", 2.70, kAluminiumFunction, kAluminiumBands, kAluminiumExponents},
};

const MetalData& DataOf(AtmosphereMetal metal)
{
    return kMetals[static_cast<size_t>(metal)];
}

Corrosivity Classify(const std::array<double, 6>& edges, double loss)
{
    for (size_t i = 0; i + 1 < edges.size(); ++i)
        if (loss <= edges[i])
            return static_cast<Corrosivity>(i);
    return Corrosivity::CX;
}

// The shortest text of an edge: "1.3", "25", "5500".
std::string Edge(double value)
{
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, written.ptr);
}

// Rates and losses show three significant digits: "45.0", "0.720".
std::string Figure(double value)
{
    return ResultNumber(value, 3);
}

std::string Capitalised(std::string text)
{
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

bool MassOnly(AtmosphereMetal metal)
{
    return metal == AtmosphereMetal::Aluminium;
}

Checked<Climate> CheckedClimate(const Climate& climate)
{
    if (!std::isfinite(climate.temperature) || climate.temperature < -60
        || climate.temperature > 60)
        return InputError {"temperature", "The mean temperature must lie between -60 and 60 C."};
    if (!(climate.humidity >= 0 && climate.humidity <= 100))
        return InputError {"humidity", "The relative humidity must lie between 0 and 100 %."};
    if (!(climate.so2 >= 0) || !std::isfinite(climate.so2))
        return InputError {"so2", "The SO2 deposition must not be negative."};
    if (!(climate.chloride >= 0) || !std::isfinite(climate.chloride))
        return InputError {"chloride", "The chloride deposition must not be negative."};
    return climate;
}

std::vector<double> TableYears(double years)
{
    const double step = RoundStep(years, 10);
    std::vector<double> grid {0};
    if (step > 1 && years > 1)
        grid.push_back(1);
    for (double t = step; t < years - step / 1000; t += step)
        grid.push_back(t);
    grid.push_back(years);
    return grid;
}

} // namespace

std::string_view AtmosphereMetalKey(AtmosphereMetal metal)
{
    return DataOf(metal).key;
}

std::optional<AtmosphereMetal> AtmosphereMetalFromKey(std::string_view key)
{
    for (const AtmosphereMetal metal : kAtmosphereMetals)
        if (AtmosphereMetalKey(metal) == key)
            return metal;
    return std::nullopt;
}

std::string_view AtmosphereMetalName(AtmosphereMetal metal)
{
    return DataOf(metal).name;
}

double AtmosphereMetalDensity(AtmosphereMetal metal)
{
    return DataOf(metal).density;
}

double DoseResponse(AtmosphereMetal metal, const Climate& climate)
{
    const DoseResponseFunction& f = DataOf(metal).function;
    const double t = climate.temperature;
    const double temperatureTerm = (t <= 10 ? f.cold : f.warm) * (t - 10);
    return f.a * std::pow(climate.so2, f.p) * std::exp(f.h * climate.humidity + temperatureTerm)
        + f.c * std::pow(climate.chloride, f.s) * std::exp(f.k * climate.humidity + f.m * t);
}

std::vector<std::string> OutsideDoseResponseRange(const Climate& climate)
{
    std::vector<std::string> lines;
    for (const Range& range : kRanges) {
        const double value = climate.*range.value;
        if (value < range.low || value > range.high)
            lines.push_back(std::string("the ") + range.what + " " + Edge(value) + " " + range.unit
                + " lies outside " + Edge(range.low) + " to " + Edge(range.high) + " "
                + range.unit);
    }
    return lines;
}

std::string_view CorrosivityName(Corrosivity category)
{
    constexpr std::string_view names[] = {"C1", "C2", "C3", "C4", "C5", "CX"};
    return names[static_cast<int>(category)];
}

Corrosivity CategoryFromMass(AtmosphereMetal metal, double grams)
{
    return Classify(DataOf(metal).bands.mass, grams);
}

Corrosivity CategoryFromThickness(AtmosphereMetal metal, double micrometres)
{
    if (MassOnly(metal))
        return CategoryFromMass(metal, micrometres * AtmosphereMetalDensity(metal));
    return Classify(DataOf(metal).bands.thickness, micrometres);
}

std::string CategoryBand(AtmosphereMetal metal, Corrosivity category, bool byMass)
{
    byMass = byMass || MassOnly(metal);
    const std::array<double, 6>& edges
        = byMass ? DataOf(metal).bands.mass : DataOf(metal).bands.thickness;
    const std::string unit = byMass ? " g/m^2 per year" : " um/year";
    const int i = static_cast<int>(category);
    if (edges[i] == 0)
        return "negligible";
    if (std::isinf(edges[i]))
        return "above " + Edge(edges[i - 1]) + unit;
    if (i == 0 || edges[i - 1] == 0)
        return "up to " + Edge(edges[i]) + unit;
    return Edge(edges[i - 1]) + "-" + Edge(edges[i]) + unit;
}

std::string_view CorrosivityLevel(Corrosivity category)
{
    // ISO 9223:2012 Table 1.
    constexpr std::string_view levels[]
        = {"very low", "low", "medium", "high", "very high", "extreme"};
    return levels[static_cast<int>(category)];
}

TypicalEnvironment TypicalEnvironmentOf(Corrosivity category)
{
    // ISO 12944-2:2017 Table 1 (temperate climate), shortened.
    switch (category) {
    case Corrosivity::C1:
        return {"none typical", "heated buildings with clean air: offices, shops, schools, hotels"};
    case Corrosivity::C2:
        return {"low pollution, mostly rural areas",
            "unheated buildings where condensation may occur: depots, sports halls"};
    case Corrosivity::C3:
        return {"urban and industrial air with moderate SO2, coasts of low salinity",
            "production rooms with high humidity and some pollution: food plants, laundries, "
            "breweries, dairies"};
    case Corrosivity::C4:
        return {"industrial areas and coasts of moderate salinity",
            "chemical plants, swimming pools, coastal ship and boat yards"};
    case Corrosivity::C5:
        return {"industrial areas of high humidity and aggressive air, coasts of high salinity",
            "buildings with almost permanent condensation and high pollution"};
    case Corrosivity::CX:
        return {"offshore areas of high salinity, industrial areas of extreme humidity, "
                "subtropical and tropical atmospheres",
            "industrial areas with extreme humidity and aggressive air"};
    }
    return {};
}

TimeExponents TimeExponentsOf(AtmosphereMetal metal)
{
    return DataOf(metal).exponents;
}

double LongTermLoss(double rate, double b, double years)
{
    if (years <= kPowerLawYears)
        return rate * std::pow(years, b);
    return rate
        * (std::pow(kPowerLawYears, b)
            + b * std::pow(kPowerLawYears, b - 1) * (years - kPowerLawYears));
}

double YearsToLoss(double rate, double b, double allowance)
{
    if (!(rate > 0))
        return kInfinity;
    const double relative = allowance / rate;
    const double atTwenty = std::pow(kPowerLawYears, b);
    if (relative <= atTwenty)
        return std::pow(relative, 1 / b);
    return kPowerLawYears + (relative - atTwenty) / (b * std::pow(kPowerLawYears, b - 1));
}

Checked<AtmosphereAssessment> AssessAtmosphere(const AtmosphereRequest& request)
{
    const AtmosphereMetal metal = request.metal;
    const double density = AtmosphereMetalDensity(metal);
    if (!(request.years >= 1 && request.years <= kMaxYears))
        return InputError {"years", "The years must lie between 1 and 100."};
    if (request.allowance && !(*request.allowance > 0 && std::isfinite(*request.allowance)))
        return InputError {"allowance", "The allowance must be above 0."};

    AtmosphereAssessment result;
    double mass = 0;
    bool byMass = MassOnly(metal);
    std::vector<std::string> notes;
    switch (request.source) {
    case AtmosphereSource::Climate: {
        const Checked<Climate> climate = CheckedClimate(request.climate);
        if (!climate)
            return climate.error();
        const double value = DoseResponse(metal, *climate);
        mass = MassOnly(metal) ? value : value * density;
        result.rate = MassOnly(metal) ? value / density : value;
        notes = OutsideDoseResponseRange(*climate);
        break;
    }
    case AtmosphereSource::MassLoss:
    case AtmosphereSource::Thickness: {
        const bool isMass = request.source == AtmosphereSource::MassLoss;
        const double loss = request.firstYearLoss;
        if (!(loss >= 0) || !std::isfinite(loss))
            return InputError {isMass ? "mass" : "thickness",
                isMass ? "The mass loss must not be negative."
                       : "The thickness loss must not be negative."};
        mass = isMass ? loss : loss * density;
        result.rate = isMass ? loss / density : loss;
        byMass = byMass || isMass;
        break;
    }
    }
    result.category
        = byMass ? CategoryFromMass(metal, mass) : CategoryFromThickness(metal, result.rate);

    const TimeExponents b = TimeExponentsOf(metal);
    for (const double t : TableYears(request.years))
        result.losses.push_back(
            {t, LongTermLoss(result.rate, b.mean, t), LongTermLoss(result.rate, b.upper, t)});

    auto& rows = result.rows;
    rows.push_back({"First-year rate", Figure(result.rate), "um/year"});
    rows.push_back({"First-year mass loss", Figure(mass), "g/m^2"});
    rows.push_back({"Category",
        std::string(CorrosivityName(result.category)) + " ("
            + CategoryBand(metal, result.category, byMass) + ")",
        ""});
    rows.push_back({"Corrosivity", std::string(CorrosivityLevel(result.category)), ""});
    const TypicalEnvironment environment = TypicalEnvironmentOf(result.category);
    rows.push_back({"Typical exterior", std::string(environment.exterior), ""});
    rows.push_back({"Typical interior", std::string(environment.interior), ""});
    for (const std::string& note : notes)
        rows.push_back({"Outside the estimate's data", Capitalised(note), ""});
    const std::string after = "Loss after " + Edge(request.years) + " years";
    rows.push_back({after, Figure(result.losses.back().mean), "um"});
    rows.push_back({after + " (upper)", Figure(result.losses.back().upper), "um"});
    if (request.allowance) {
        const double mean = YearsToLoss(result.rate, b.mean, *request.allowance);
        const double upper = YearsToLoss(result.rate, b.upper, *request.allowance);
        const auto years = [](double value) {
            return std::isfinite(value) ? Figure(value) : std::string("never");
        };
        rows.push_back({"Allowance used after", years(mean), "years"});
        rows.push_back({"Allowance used after (upper)", years(upper), "years"});
        if (std::isfinite(upper) && upper > 0) {
            result.yearsToAllowance = upper;
            rows.push_back({"Mean rate to the allowance (upper)",
                ResultNumber(*request.allowance / 1000 / upper), "mm/year"});
        }
    }
    return result;
}

} // namespace corrolab
