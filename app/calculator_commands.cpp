#include "app/calculator_commands.h"

#include "calculators/atmospheric_corrosivity.h"
#include "calculators/field_number.h"
#include "calculators/mass_loss.h"
#include "calculators/material_lookup.h"
#include "calculators/rate_units.h"
#include "calculators/remaining_life.h"
#include "calculators/severity.h"
#include "calculators/stern_geary.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <map>
#include <ostream>
#include <set>

namespace corrolab {

const char* const kCalculatorUsage
    = "       corrolab massloss --mass-loss G --area CM2 --hours H [MATERIAL] [--unit U]\n"
      "       corrolab lpr --rp OHM_CM2 (--b MV | --ba MV --bc MV) [MATERIAL] [--unit U]\n"
      "       corrolab life --thickness MM --minimum MM --rate R [--rate-unit U]\n"
      "       corrolab atmosphere --metal M (--temperature C --humidity PCT --so2 MG\n"
      "                --chloride MG | --first-year-loss G_M2 | --first-year-thickness UM)\n"
      "                [--years N] [--allowance UM] [--json]\n";

namespace {

constexpr const char* kMaterialHelp
    = "MATERIAL is --metal SYMBOL, --alloy NAME or --composition TEXT (iron without\n"
      "one); --density G_CM3 and --ew G then replace its density or equivalent weight.\n"
      "Units U are the ten corrosion-rate units: micro_amp/cm^2, milli_amp/cm^2,\n"
      "amp/cm^2, g/cm^2-s, mg/cm^2-s, mg/dm^2-s, mdd, mm/year (the default), ipy, mpy.\n"
      "The severity is the NACE SP0775 category for carbon steel.\n";

constexpr const char* kMassLossHelp
    = "Usage: corrolab massloss --mass-loss G --area CM2 (--hours H | --days D)\n"
      "                         [MATERIAL] [--unit U]\n"
      "\n"
      "The corrosion rate of a coupon, CR = K * W / (A * T * D), with the constants K\n"
      "of ASTM G1 (mpy 3.45e6, ipy 3.45e3, mm/year 8.76e4, mdd 2.40e6 * D).\n";

constexpr const char* kLprHelp
    = "Usage: corrolab lpr --rp RP [--electrode-area CM2] (--b MV | --ba MV --bc MV)\n"
      "                    [MATERIAL] [--unit U]\n"
      "\n"
      "The corrosion rate from the polarization resistance (Stern-Geary): RP in\n"
      "ohm cm^2, or in ohm with --electrode-area; B typed (26 mV is the common\n"
      "assumption) or from the Tafel slopes: B = ba * bc / (2.303 * (ba + bc)).\n";

constexpr const char* kLifeHelp
    = "Usage: corrolab life --thickness MM --minimum MM --rate R [--rate-unit U]\n"
      "                     [MATERIAL] [--measured YYYY-MM-DD] [--design-life YEARS]\n"
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

const std::map<std::string, std::pair<const char*, std::set<std::string>>>& Commands()
{
    static const std::set<std::string> material {
        "--metal", "--alloy", "--composition", "--density", "--ew"};
    const auto with = [&](std::set<std::string> options) {
        options.insert(material.begin(), material.end());
        return options;
    };
    static const std::map<std::string, std::pair<const char*, std::set<std::string>>> commands {
        {"massloss",
            {kMassLossHelp, with({"--mass-loss", "--area", "--hours", "--days", "--unit"})}},
        {"lpr", {kLprHelp, with({"--rp", "--electrode-area", "--b", "--ba", "--bc", "--unit"})}},
        {"life",
            {kLifeHelp,
                with({"--thickness", "--minimum", "--rate", "--rate-unit", "--measured",
                    "--design-life"})}},
        {"atmosphere",
            {kAtmosphereHelp,
                {"--metal", "--temperature", "--humidity", "--so2", "--chloride",
                    "--first-year-loss", "--first-year-thickness", "--years", "--allowance"}}},
    };
    return commands;
}

struct UsageError
{
    std::string message;
};
struct Failure
{
    std::string message;
};

using Options = std::map<std::string, std::string>;

Options ParseOptions(const std::vector<std::string>& args, const std::set<std::string>& known)
{
    Options options;
    // Every option is followed by its value.
    for (size_t i = 1; i < args.size(); i += 2) {
        const std::string& arg = args[i];
        if (!known.contains(arg))
            throw UsageError {arg.starts_with("-") ? "unknown option " + arg
                                                   : "unexpected argument '" + arg + "'"};
        if (i + 1 >= args.size())
            throw UsageError {arg + " needs a value"};
        if (!options.emplace(arg, args[i + 1]).second)
            throw UsageError {arg + " given twice"};
    }
    return options;
}

// The value of a required option as a number above 0 (or not negative).
double Number(const Options& options, const std::string& name, bool positive = true)
{
    const auto found = options.find(name);
    if (found == options.end())
        throw UsageError {name + " is required"};
    const auto value = StrictNumber(found->second);
    if (!value)
        throw Failure {name + " '" + found->second + "' is not a number"};
    if (positive && *value <= 0)
        throw Failure {name + " must be above 0"};
    if (!positive && *value < 0)
        throw Failure {name + " must not be negative"};
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
    const std::pair<const char*, MaterialKind> kinds[] = {{"--metal", MaterialKind::Metal},
        {"--alloy", MaterialKind::Alloy}, {"--composition", MaterialKind::Composition}};
    CalculatorMaterial material = IronMaterial();
    int given = 0;
    for (const auto& [option, kind] : kinds) {
        const auto found = options.find(option);
        if (found == options.end())
            continue;
        if (++given > 1)
            throw UsageError {"give one of --metal, --alloy and --composition"};
        const Checked<CalculatorMaterial> looked = LookUpMaterial(kind, found->second);
        if (!looked)
            throw Failure {looked.error().message};
        material = *looked;
    }
    if (const auto density = OptionalNumber(options, "--density")) {
        material.density = *density;
        material.densitySource = "given";
    }
    if (const auto ew = OptionalNumber(options, "--ew"))
        material.equivalentWeight = *ew;
    return material;
}

std::string Unit(const Options& options, const std::string& name)
{
    const auto found = options.find(name);
    if (found == options.end())
        return std::string(kMillimetresPerYear);
    if (!IsRateUnit(found->second))
        throw Failure {"unknown corrosion-rate unit '" + found->second + "'"};
    return found->second;
}

double Value(const Checked<double>& checked)
{
    if (!checked)
        throw Failure {checked.error().message};
    return *checked;
}

double InMillimetresPerYear(
    double rate, const std::string& unit, const CalculatorMaterial& material)
{
    const auto converted = ConvertRate(rate, unit, kMillimetresPerYear, material);
    if (!converted)
        throw Failure {
            "the rate in " + unit + " needs the material's equivalent weight and density"};
    return *converted;
}

void PrintRate(std::ostream& out, double rate, const std::string& unit, double mmPerYear)
{
    out << "corrosion rate: " << ResultNumber(rate) << ' ' << unit << '\n';
    if (unit != kMillimetresPerYear)
        out << "corrosion rate: " << ResultNumber(mmPerYear) << " mm/year\n";
    out << "severity: " << SeverityLine(mmPerYear, Attack::General) << '\n';
}

int MassLoss(const Options& options, std::ostream& out)
{
    const double massLoss = Number(options, "--mass-loss", false);
    const double area = Number(options, "--area");
    if (options.contains("--hours") == options.contains("--days"))
        throw UsageError {"give one of --hours and --days"};
    const double hours
        = options.contains("--hours") ? Number(options, "--hours") : Number(options, "--days") * 24;
    const CalculatorMaterial material = Material(options);
    const std::string unit = Unit(options, "--unit");
    const MassLossInput input {massLoss, area, hours};
    const double rate = Value(MassLossRate(input, material, unit));
    const double mmPerYear = Value(MassLossRate(input, material, kMillimetresPerYear));
    out << "density: " << ResultNumber(material.density) << " g/cm^3";
    if (!material.densitySource.empty())
        out << " (" << material.densitySource << ")";
    out << '\n';
    PrintRate(out, rate, unit, mmPerYear);
    return 0;
}

int Lpr(const Options& options, std::ostream& out)
{
    const double rp = Number(options, "--rp");
    double b = 0;
    if (options.contains("--b")) {
        if (options.contains("--ba") || options.contains("--bc"))
            throw UsageError {"give --b or the Tafel slopes --ba and --bc, not both"};
        b = Number(options, "--b");
    } else {
        if (!options.contains("--ba") || !options.contains("--bc"))
            throw UsageError {"give --b, or both Tafel slopes --ba and --bc"};
        const auto slope = [&](const char* name) {
            const auto value = StrictNumber(options.at(name));
            if (!value)
                throw Failure {std::string(name) + " '" + options.at(name) + "' is not a number"};
            return *value;
        };
        b = Value(SternGearyCoefficient(slope("--ba"), slope("--bc")));
    }
    const CalculatorMaterial material = Material(options);
    const std::string unit = Unit(options, "--unit");
    const double current
        = Value(CorrosionCurrentDensity(b, rp, OptionalNumber(options, "--electrode-area")));
    const auto rate = ConvertRate(current, kMicroampsPerCm2, unit, material);
    const auto mmPerYear = ConvertRate(current, kMicroampsPerCm2, kMillimetresPerYear, material);
    if (!rate || !mmPerYear)
        throw Failure {"the material needs an equivalent weight and a density above 0"};
    out << "B: " << ResultNumber(b) << " mV\n"
        << "corrosion current density: " << ResultNumber(current) << " micro_amp/cm^2\n";
    PrintRate(out, *rate, unit, *mmPerYear);
    return 0;
}

std::chrono::year_month_day LocalToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    return std::chrono::year(local.tm_year + 1900) / (local.tm_mon + 1) / local.tm_mday;
}

int Life(const Options& options, std::ostream& out, std::chrono::year_month_day today)
{
    const double thickness = Number(options, "--thickness");
    const double minimum = Number(options, "--minimum", false);
    const std::string unit = Unit(options, "--rate-unit");
    const double typed = Number(options, "--rate", false);
    const double rate = InMillimetresPerYear(typed, unit, Material(options));
    std::chrono::year_month_day measured = today;
    if (const auto date = options.find("--measured"); date != options.end()) {
        const auto parsed = ParseIsoDate(date->second);
        if (!parsed)
            throw Failure {"--measured '" + date->second + "' is not a date YYYY-MM-DD"};
        measured = *parsed;
    }
    const Checked<RemainingLife> life
        = CalculateRemainingLife({thickness, minimum, rate}, measured);
    if (!life)
        throw Failure {life.error().message};
    out << "remaining life: " << ResultNumber(life->years) << " years\n"
        << "minimum reached: " << (life->date ? IsoDate(*life->date) : "after 9999-12-31") << '\n';
    if (const auto design = OptionalNumber(options, "--design-life"))
        out << "design allowance: " << ResultNumber(Value(DesignAllowance(rate, *design)))
            << " mm\n";
    out << "severity: " << SeverityLine(rate, Attack::General) << '\n';
    return 0;
}

// A value that may take any sign.
double AnyNumber(const Options& options, const std::string& name)
{
    const std::string& text = options.at(name);
    const auto value = StrictNumber(text);
    if (!value)
        throw Failure {name + " '" + text + "' is not a number"};
    return *value;
}

std::string JsonString(std::string_view text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

std::string JsonNumber(double value)
{
    if (!std::isfinite(value))
        return "null";
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, written.ptr);
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
        throw UsageError {"--metal is required"};
    const auto metal = AtmosphereMetalFromKey(metalOption->second);
    if (!metal)
        throw Failure {"--metal '" + metalOption->second
            + "' is not one of steel, zinc, copper and aluminium"};
    AtmosphereRequest request;
    request.metal = *metal;
    const char* climateOptions[] = {"--temperature", "--humidity", "--so2", "--chloride"};
    const int climateGiven = static_cast<int>(std::ranges::count_if(
        climateOptions, [&](const char* name) { return options.contains(name); }));
    const int sources = (climateGiven > 0) + options.contains("--first-year-loss")
        + options.contains("--first-year-thickness");
    if (sources != 1)
        throw UsageError {"give the climate, --first-year-loss or --first-year-thickness"};
    if (climateGiven > 0) {
        if (climateGiven < 4)
            throw UsageError {"the climate needs --temperature, --humidity, --so2 and --chloride"};
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
        throw Failure {result.error().message};
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

std::string OneLine(std::string text)
{
    std::ranges::replace_if(
        text, [](char c) { return static_cast<unsigned char>(c) < 0x20; }, ' ');
    return text;
}

} // namespace

bool IsCalculatorCommand(const std::string& name)
{
    return Commands().contains(name);
}

int RunCalculatorCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
    std::optional<std::chrono::year_month_day> today)
{
    const std::string& command = args.at(0);
    const auto& [help, known] = Commands().at(command);
    if (std::ranges::find(args, "--help") != args.end()
        || std::ranges::find(args, "-h") != args.end()) {
        out << help;
        if (command != "atmosphere")
            out << '\n' << kMaterialHelp;
        return 0;
    }
    try {
        // --json is the one option without a value.
        std::vector<std::string> valued = args;
        const bool json = command == "atmosphere" && std::erase(valued, "--json") > 0;
        const Options options = ParseOptions(valued, known);
        if (command == "atmosphere")
            return Atmosphere(options, out, json);
        if (command == "massloss")
            return MassLoss(options, out);
        if (command == "lpr")
            return Lpr(options, out);
        return Life(options, out, today.value_or(LocalToday()));
    } catch (const UsageError& error) {
        err << "corrolab " << command << ": " << OneLine(error.message) << '\n' << help;
        return 2;
    } catch (const Failure& failure) {
        err << "corrolab " << command << ": " << OneLine(failure.message) << '\n';
        return 1;
    }
}

} // namespace corrolab
