#include "cli/calculator_commands.h"

#include "base/json.h"
#include "base/text.h"
#include "calculators/atmospheric_corrosivity.h"
#include "calculators/calculator_results.h"
#include "calculators/field_number.h"
#include "calculators/mass_loss.h"
#include "calculators/material_lookup.h"
#include "calculators/rate_units.h"
#include "calculators/remaining_life.h"
#include "calculators/severity.h"
#include "calculators/stern_geary.h"
#include "cli/material_options.h"
#include "cli/subcommand.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>
#include <ostream>
#include <set>

namespace corrolab {

namespace {

constexpr const char* kMaterialHelp
    = "MATERIAL is --metal SYMBOL, --alloy NAME or --composition TEXT (iron without\n"
      "one); --density G_CM3 and --ew G then replace its density or equivalent weight.\n"
      "Units U are the ten corrosion-rate units: micro_amp/cm^2, milli_amp/cm^2,\n"
      "amp/cm^2, g/cm^2-s, mg/cm^2-s, mg/dm^2-s, mdd, mm/year (the default), ipy, mpy.\n"
      "The severity is the NACE SP0775 category for carbon steel.\n"
      "--json prints the same figures as one JSON object, numbers unrounded.\n";

constexpr const char* kMassLossHelp
    = "Usage: corrolab massloss --mass-loss G --area CM2 (--hours H | --days D)\n"
      "                         [MATERIAL] [--unit U] [--json]\n"
      "\n"
      "The corrosion rate of a coupon, CR = K * W / (A * T * D) in mm/year with the\n"
      "constant K = 8.76e4 of ASTM G1; the other units follow from it as convert\n"
      "gives them.\n";

constexpr const char* kLprHelp
    = "Usage: corrolab lpr --rp RP [--electrode-area CM2] (--b MV | --ba MV --bc MV)\n"
      "                    [MATERIAL] [--unit U] [--json]\n"
      "\n"
      "The corrosion rate from the polarization resistance (Stern-Geary): RP in\n"
      "ohm cm^2, or in ohm with --electrode-area; B typed (26 mV is the common\n"
      "assumption) or from the Tafel slopes: B = ba * bc / (2.303 * (ba + bc)).\n";

constexpr const char* kLifeHelp
    = "Usage: corrolab life --thickness MM --minimum MM --rate R [--rate-unit U]\n"
      "                     [MATERIAL] [--measured YYYY-MM-DD] [--design-life YEARS]\n"
      "                     [--json]\n"
      "\n"
      "The remaining life (thickness - minimum) / rate and the date the minimum is\n"
      "reached, counted from the measuring date (today without --measured); with\n"
      "--design-life, the corrosion allowance rate * design life.\n";

constexpr const char* kAtmosphereHelp
    = "Usage: corrolab atmosphere --metal steel|zinc|copper|aluminium\n"
      "           (--temperature C --humidity PCT --so2 MG --chloride MG\n"
      "            | --first-year-loss G_M2 | --first-year-thickness UM)\n"
      "           [--years N] [--allowance UM] [--json]\n"
      "\n"
      "The corrosivity category C1 to CX of an atmosphere (ISO 9223), estimated from\n"
      "the yearly mean temperature, relative humidity and the SO2 and chloride\n"
      "depositions in mg/(m^2 d) with the standard's dose-response functions, or\n"
      "determined from a coupon's first-year mass loss (g/m^2) or thickness loss (um);\n"
      "the typical environments of ISO 12944-2; the loss after --years (20 by\n"
      "default, up to 100) by ISO 9224, D = r * t^b with the mean and upper time\n"
      "exponents and linear after 20 years; with --allowance, the years until that\n"
      "loss (um) is reached. --json prints the same as one JSON object.\n";

using Options = std::map<std::string, std::string>;

// The value of a required option as a number above 0 (or not negative).
double Number(const Options& options, const std::string& name, bool positive = true)
{
    const auto found = options.find(name);
    if (found == options.end())
        ThrowUsage(name + " is required");
    const auto value = StrictNumber(found->second);
    if (!value)
        ThrowFailure(name + " '" + found->second + "' is not a number");
    if (positive && *value <= 0)
        ThrowFailure(name + " must be above 0");
    if (!positive && *value < 0)
        ThrowFailure(name + " must not be negative");
    return *value;
}

std::optional<double> OptionalNumber(const Options& options, const std::string& name)
{
    if (!options.contains(name))
        return std::nullopt;
    return Number(options, name);
}

CalculatorMaterial Material(const Options& options)
{
    CalculatorMaterial material = IronMaterial();
    if (const std::optional<MaterialOption> named = NamedMaterialOption(options)) {
        const Checked<CalculatorMaterial> looked = LookUpMaterial(named->kind, named->text);
        if (!looked)
            ThrowFailure(looked.error().message);
        material = *looked;
    }
    // A figure given is a material of its own: its ratio is the figures'.
    if (const auto density = OptionalNumber(options, "--density")) {
        material.density = *density;
        material.densitySource = "given";
        material.ratio = 0;
    }
    if (const auto ew = OptionalNumber(options, "--ew")) {
        material.equivalentWeight = *ew;
        material.ratio = 0;
    }
    return material;
}

std::string Unit(const Options& options, const std::string& name)
{
    const auto found = options.find(name);
    if (found == options.end())
        return std::string(kMillimetresPerYear);
    if (!IsRateUnit(found->second))
        ThrowFailure("unknown corrosion-rate unit '" + found->second + "'");
    return found->second;
}

template <typename T> T Value(const Checked<T>& checked)
{
    if (!checked)
        ThrowFailure(checked.error().message);
    return *checked;
}

// The figures of one calculation: "label: value unit" lines, or with --json one
// JSON object of the same figures, numbers unrounded.
class Figures
{
public:
    explicit Figures(bool json)
        : json_(json)
    { }

    void Number(std::string_view label, std::string_view key, double value, std::string_view unit)
    {
        lines_ += std::string(label) + ": " + ResultNumber(value) + (unit.empty() ? "" : " ")
            + std::string(unit) + '\n';
        object_.Number(key, value);
    }

    void Text(std::string_view label, std::string_view key, std::string_view text)
    {
        lines_ += std::string(label) + ": " + std::string(text) + '\n';
        object_.Text(key, text);
    }

    // Where the last figure comes from: " (handbook)" after it, and a member.
    void Source(std::string_view key, std::string_view source)
    {
        lines_.insert(lines_.size() - 1, " (" + std::string(source) + ")");
        object_.Text(key, source);
    }

    // A figure only the JSON object carries (the text shows it in another line).
    void JsonOnly(std::string_view key, double value) { object_.Number(key, value); }
    void JsonOnly(std::string_view key, std::string_view text) { object_.Text(key, text); }

    void Print(std::ostream& out) const { out << (json_ ? object_.str() + '\n' : lines_); }

private:
    bool json_;
    std::string lines_;
    JsonObject object_;
};

void AddRate(Figures& figures, double rate, const std::string& unit, double mmPerYear)
{
    figures.Number("corrosion rate", "corrosion_rate", rate, unit);
    figures.JsonOnly("unit", unit);
    if (unit != kMillimetresPerYear)
        figures.Number("corrosion rate", "corrosion_rate_mm_year", mmPerYear, "mm/year");
    else
        figures.JsonOnly("corrosion_rate_mm_year", mmPerYear);
    figures.Text("severity", "severity", SeverityLine(mmPerYear, Attack::General));
}

int MassLoss(const Options& options, std::ostream& out, bool json)
{
    const double massLoss = Number(options, "--mass-loss", false);
    const double area = Number(options, "--area");
    if (options.contains("--hours") == options.contains("--days"))
        ThrowUsage("give one of --hours and --days");
    const double hours = options.contains("--hours") ? Number(options, "--hours")
                                                     : Number(options, "--days") * kHoursPerDay;
    const CalculatorMaterial material = Material(options);
    const std::string unit = Unit(options, "--unit");
    const MassLossResult result
        = Value(CalculateMassLossCase({{massLoss, area, hours}, {}, false, {}}, material, unit));
    Figures figures(json);
    figures.Number("density", "density_g_cm3", material.density, "g/cm^3");
    if (!material.densitySource.empty()) // "7.850 g/cm^3 (handbook)"
        figures.Source("density_source", material.densitySource);
    AddRate(figures, *result.rate, unit, *result.mmPerYear);
    figures.Print(out);
    return 0;
}

int Lpr(const Options& options, std::ostream& out, bool json)
{
    const double rp = Number(options, "--rp");
    double b = 0;
    if (options.contains("--b")) {
        if (options.contains("--ba") || options.contains("--bc"))
            ThrowUsage("give --b or the Tafel slopes --ba and --bc, not both");
        b = Number(options, "--b");
    } else {
        if (!options.contains("--ba") || !options.contains("--bc"))
            ThrowUsage("give --b, or both Tafel slopes --ba and --bc");
        const auto slope = [&](const char* name) {
            const auto value = StrictNumber(options.at(name));
            if (!value)
                ThrowFailure(std::string(name) + " '" + options.at(name) + "' is not a number");
            return *value;
        };
        b = Value(SternGearyCoefficient(slope("--ba"), slope("--bc")));
    }
    const CalculatorMaterial material = Material(options);
    const std::string unit = Unit(options, "--unit");
    const PolarizationResult result = Value(CalculatePolarizationResistance(
        b, rp, OptionalNumber(options, "--electrode-area"), material, unit));
    Figures figures(json);
    figures.Number("B", "B_mV", result.coefficient, "mV");
    figures.Number("corrosion current density", "corrosion_current_density_uA_cm2",
        result.currentDensity, "micro_amp/cm^2");
    AddRate(figures, *result.rate, unit, *result.mmPerYear);
    figures.Print(out);
    return 0;
}

int Life(const Options& options, std::ostream& out, std::chrono::year_month_day today, bool json)
{
    const double thickness = Number(options, "--thickness");
    const double minimum = Number(options, "--minimum", false);
    const std::string unit = Unit(options, "--rate-unit");
    const double typed = Number(options, "--rate", false);
    const CalculatorMaterial material = Material(options);
    std::chrono::year_month_day measured = today;
    if (const auto date = options.find("--measured"); date != options.end()) {
        const auto parsed = ParseIsoDate(date->second);
        if (!parsed)
            ThrowFailure("--measured '" + date->second + "' is not a date YYYY-MM-DD");
        measured = *parsed;
    }
    // Every input is checked before the first result line is printed.
    const Checked<LifeResult> result = CalculateLife(
        {thickness, minimum, typed, unit, measured, OptionalNumber(options, "--design-life")},
        material);
    if (!result)
        ThrowFailure(
            (result.error().field == "design" ? "--design-life: " : "") + result.error().message);
    const RemainingLife& life = result->life;
    const std::optional<double>& allowance = result->allowance;
    const double rate = *result->mmPerYear;
    Figures figures(json);
    figures.Number("remaining life", "remaining_life_years", life.years, "years");
    figures.Text(
        "minimum reached", "minimum_reached", life.date ? IsoDate(*life.date) : "after 9999-12-31");
    if (allowance)
        figures.Number("design allowance", "design_allowance_mm", *allowance, "mm");
    figures.Text("severity", "severity", SeverityLine(rate, Attack::General));
    figures.Print(out);
    return 0;
}

// A value that may take any sign.
double AnyNumber(const Options& options, const std::string& name)
{
    const std::string& text = options.at(name);
    const auto value = StrictNumber(text);
    if (!value)
        ThrowFailure(name + " '" + text + "' is not a number");
    return *value;
}

void PrintAtmosphereJson(
    std::ostream& out, AtmosphereMetal metal, const AtmosphereAssessment& result)
{
    out << "{\"metal\": " << JsonString(AtmosphereMetalKey(metal))
        << ", \"first_year_rate_um_per_year\": " << JsonNumber(result.rate)
        << ", \"category\": " << JsonString(CorrosivityName(result.category))
        << ", \"years_to_allowance_upper\": "
        << (result.yearsToAllowance ? JsonNumber(*result.yearsToAllowance) : "null")
        << ",\n \"rows\": [";
    const char* separator = "";
    for (const CopyRow& row : result.rows) {
        out << separator << "\n  {\"label\": " << JsonString(row.label)
            << ", \"value\": " << JsonString(row.value) << ", \"unit\": " << JsonString(row.unit)
            << '}';
        separator = ",";
    }
    out << "],\n \"losses_um\": [";
    separator = "";
    for (const LossPoint& point : result.losses) {
        out << separator << "\n  {\"years\": " << JsonNumber(point.years)
            << ", \"mean\": " << JsonNumber(point.mean)
            << ", \"upper\": " << JsonNumber(point.upper) << '}';
        separator = ",";
    }
    out << "]}\n";
}

int Atmosphere(const Options& options, std::ostream& out, bool json)
{
    const auto metalOption = options.find("--metal");
    if (metalOption == options.end())
        ThrowUsage("--metal is required");
    const auto metal = AtmosphereMetalFromKey(metalOption->second);
    if (!metal)
        ThrowFailure("--metal '" + metalOption->second
            + "' is not one of steel, zinc, copper and aluminium");
    AtmosphereRequest request;
    request.metal = *metal;
    const char* climateOptions[] = {"--temperature", "--humidity", "--so2", "--chloride"};
    const int climateGiven = static_cast<int>(std::ranges::count_if(
        climateOptions, [&](const char* name) { return options.contains(name); }));
    const int sources = (climateGiven > 0) + options.contains("--first-year-loss")
        + options.contains("--first-year-thickness");
    if (sources != 1)
        ThrowUsage("give the climate, --first-year-loss or --first-year-thickness");
    if (climateGiven > 0) {
        if (climateGiven < 4)
            ThrowUsage("the climate needs --temperature, --humidity, --so2 and --chloride");
        request.climate = {AnyNumber(options, "--temperature"), AnyNumber(options, "--humidity"),
            Number(options, "--so2", false), Number(options, "--chloride", false)};
    } else if (options.contains("--first-year-loss")) {
        request.source = AtmosphereSource::MassLoss;
        request.firstYearLoss = Number(options, "--first-year-loss", false);
    } else {
        request.source = AtmosphereSource::Thickness;
        request.firstYearLoss = Number(options, "--first-year-thickness", false);
    }
    if (options.contains("--years"))
        request.years = Number(options, "--years");
    request.allowance = OptionalNumber(options, "--allowance");
    const Checked<AtmosphereAssessment> result = AssessAtmosphere(request);
    if (!result)
        ThrowFailure(result.error().message);
    if (json) {
        PrintAtmosphereJson(out, *metal, *result);
        return 0;
    }
    for (CopyRow row : result->rows) {
        row.label[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(row.label[0])));
        out << row.label << ": " << row.value << (row.unit.empty() ? "" : " ") << row.unit << '\n';
    }
    return 0;
}

const std::set<std::string> kMaterialOptions {
    "--metal", "--alloy", "--composition", "--density", "--ew"};

ParsedArguments CalculatorOptions(const std::vector<std::string>& args, std::set<std::string> known)
{
    known.insert(kMaterialOptions.begin(), kMaterialOptions.end());
    return ParseArguments(args, {known, {"--json"}, false});
}

int RunMassLoss(const std::vector<std::string>& args, CommandContext& context)
{
    const ParsedArguments parsed
        = CalculatorOptions(args, {"--mass-loss", "--area", "--hours", "--days", "--unit"});
    return MassLoss(parsed.options, context.out, parsed.flags.contains("--json"));
}

int RunLpr(const std::vector<std::string>& args, CommandContext& context)
{
    const ParsedArguments parsed
        = CalculatorOptions(args, {"--rp", "--electrode-area", "--b", "--ba", "--bc", "--unit"});
    return Lpr(parsed.options, context.out, parsed.flags.contains("--json"));
}

int RunAtmosphere(const std::vector<std::string>& args, CommandContext& context)
{
    const ParsedArguments parsed = ParseArguments(args,
        {{"--metal", "--temperature", "--humidity", "--so2", "--chloride", "--first-year-loss",
             "--first-year-thickness", "--years", "--allowance"},
            {"--json"}, false});
    return Atmosphere(parsed.options, context.out, parsed.flags.contains("--json"));
}

int RunLife(const std::vector<std::string>& args, CommandContext& context)
{
    const ParsedArguments parsed = CalculatorOptions(
        args, {"--thickness", "--minimum", "--rate", "--rate-unit", "--measured", "--design-life"});
    return Life(parsed.options, context.out, context.today, parsed.flags.contains("--json"));
}

} // namespace

std::vector<Subcommand> CalculatorSubcommands()
{
    const auto help = [](const char* text) { return std::string(text) + '\n' + kMaterialHelp; };
    return {
        {"massloss",
            "       corrolab massloss --mass-loss G --area CM2 --hours H [MATERIAL] [--unit U]\n"
            "                [--json]\n",
            help(kMassLossHelp), RunMassLoss, true},
        {"lpr",
            "       corrolab lpr --rp OHM_CM2 (--b MV | --ba MV --bc MV) [MATERIAL] [--unit U]\n"
            "                [--json]\n",
            help(kLprHelp), RunLpr, true},
        {"life",
            "       corrolab life --thickness MM --minimum MM --rate R [--rate-unit U] [--json]\n",
            help(kLifeHelp), RunLife, true},
        {"atmosphere",
            "       corrolab atmosphere --metal M (--temperature C --humidity PCT --so2 MG\n"
            "                --chloride MG | --first-year-loss G_M2 | --first-year-thickness UM)\n"
            "                [--years N] [--allowance UM] [--json]\n",
            kAtmosphereHelp, RunAtmosphere, true},
    };
}

bool IsCalculatorCommand(std::string_view name)
{
    return name == "massloss" || name == "lpr" || name == "life" || name == "atmosphere";
}

} // namespace corrolab
