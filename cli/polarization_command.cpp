#include "cli/polarization_command.h"

#include "base/lenient_number.h"
#include "base/text.h"
#include "calculators/material_lookup.h"
#include "cli/material_options.h"
#include "cli/subcommand.h"
#include "polarization/curve_readers.h"
#include "polarization/polarization_report.h"

#include <algorithm>
#include <map>
#include <ostream>
#include <set>

namespace corrolab {

const char* const kPolarizationUsage
    = "       corrolab polarization FILE [--area CM2] [--method butler-volmer|tafel|mixed|lpr]\n"
      "                [--window LOW,HIGH] [--anodic LOW,HIGH] [--cathodic LOW,HIGH] [--ru OHM]\n"
      "                [--b MV] [--lpr-range MV] [--branch forward|reverse] [--free-ecorr]\n"
      "                [--metal S|--alloy NAME|--composition C] [--ew classic|g102] [--unit U] "
      "[--json]\n";

const char* const kPolarizationHelp
    = "Usage: corrolab polarization FILE [options]\n"
      "\n"
      "Reads a polarization curve (Gamry .DTA, EC-Lab text export, Autolab NOVA export,\n"
      "or a CSV/TSV/blank-separated table of potential and current), finds Ecorr where\n"
      "the current changes sign, fits it and gives icorr, the Tafel slopes, B, Rp and\n"
      "the corrosion rate.\n"
      "\n"
      "  --area CM2          electrode area (default: the file's, else 1 cm^2)\n"
      "  --method M          butler-volmer (default), tafel, mixed (cathodic limiting\n"
      "                      current, after van Ede & Angst) or lpr (ASTM G59)\n"
      "  --window LOW,HIGH   fit window in V relative to Ecorr (default -0.10,0.10;\n"
      "                      mixed: the whole cathodic branch to +0.10)\n"
      "  --anodic LOW,HIGH   Tafel regions in V relative to Ecorr (default: the most\n"
      "  --cathodic LOW,HIGH linear decade at least 50 mV from Ecorr)\n"
      "  --ru OHM            uncompensated resistance: E - I * Ru\n"
      "  --b MV              Stern-Geary coefficient for lpr (default: from the fit)\n"
      "  --lpr-range MV      the points within this of Ecorr give Rp (default 10)\n"
      "  --branch B          forward (default) or reverse branch of a cyclic scan\n"
      "  --free-ecorr        fit Ecorr too instead of holding it\n"
      "  --metal, --alloy, --composition  the material of the rate (default: the\n"
      "                      file's EW and density, else iron); --ew classic|g102\n"
      "  --unit U            rate unit (default mm/year): micro_amp/cm^2, milli_amp/cm^2,\n"
      "                      amp/cm^2, g/cm^2-s, mg/cm^2-s, mg/dm^2-s, mdd, mm/year, ipy, mpy\n"
      "  --json              the figures as one JSON object\n";

namespace {

// A whole text as a number, locale-free ("0.1", "-1e-3").
double Number(const std::string& option, std::string_view text)
{
    const std::string_view trimmed = Trimmed(text);
    const auto value = LenientValue(trimmed);
    if (trimmed.empty() || !value || LeadingNumberText(trimmed).size() != trimmed.size())
        ThrowUsage(option + " takes a number, not '" + std::string(text) + "'");
    return *value;
}

PotentialWindow Window(const std::string& option, const std::string& text)
{
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos)
        ThrowUsage(option + " takes LOW,HIGH in volts, not '" + text + "'");
    const PotentialWindow window {Number(option, std::string_view(text).substr(0, comma)),
        Number(option, std::string_view(text).substr(comma + 1))};
    if (!(window.low < window.high))
        ThrowUsage(option + ": LOW must be below HIGH");
    return window;
}

double Positive(const std::string& option, const std::string& text)
{
    const double value = Number(option, text);
    if (!(value > 0))
        ThrowUsage(option + " must be above 0");
    return value;
}

// A failure names the file first: "corrolab: scan.csv: no curve".
[[noreturn]] void FileFailure(const std::string& file, const std::string& reason)
{
    ThrowFailure(file + ": " + reason);
}

// The request: one FILE and the options by their names.
struct Request
{
    std::string file;
    std::map<std::string, std::string> options;
    bool json = false;
    bool freeEcorr = false;
};

Request Parse(const std::vector<std::string>& args)
{
    static const OptionSpec spec {
        {"--area", "--method", "--window", "--anodic", "--cathodic", "--ru", "--b", "--lpr-range",
            "--branch", "--metal", "--alloy", "--composition", "--ew", "--unit"},
        {"--json", "--free-ecorr"}};
    ParsedArguments parsed = ParseArguments(args, spec);
    if (parsed.positional.empty())
        ThrowUsage("needs a FILE");
    if (parsed.positional.size() > 1)
        ThrowUsage("takes one FILE");
    return {parsed.positional.front(), std::move(parsed.options), parsed.flags.contains("--json"),
        parsed.flags.contains("--free-ecorr")};
}

AnalysisOptions Options(const Request& request)
{
    AnalysisOptions options;
    const auto& o = request.options;
    if (const auto method = o.find("--method"); method != o.end()) {
        const auto chosen = PolarizationMethodFromWord(method->second);
        if (!chosen)
            ThrowUsage(
                "--method takes butler-volmer, tafel, mixed or lpr, not '" + method->second + "'");
        options.method = *chosen;
    }
    constexpr double kVoltsPerMillivolt = 1e-3;
    for (const auto& [name, target] : {std::pair {"--window", &options.window},
             std::pair {"--anodic", &options.anodic}, std::pair {"--cathodic", &options.cathodic}})
        if (const auto found = o.find(name); found != o.end())
            *target = Window(name, found->second);
    if (const auto b = o.find("--b"); b != o.end())
        options.b = Positive("--b", b->second) * kVoltsPerMillivolt;
    if (const auto range = o.find("--lpr-range"); range != o.end())
        options.lprRange = Positive("--lpr-range", range->second) * kVoltsPerMillivolt;
    options.freeEcorr = request.freeEcorr;
    return options;
}

RateMaterial Material(const Request& request, const PolarizationCurve& curve)
{
    const auto& o = request.options;
    const HandBackMethod method = MethodOption(o, "--ew");
    const std::optional<MaterialOption> typed = NamedMaterialOption(o);
    if (!typed) {
        if (o.contains("--ew"))
            ThrowUsage("--ew needs --metal, --alloy or --composition");
        return MaterialOfCurve(curve);
    }
    const Checked<CalculatorMaterial> looked = LookUpMaterial(typed->kind, typed->text, method);
    if (!looked)
        FileFailure(request.file, looked.error().message);
    return {*looked, MaterialOrigin::Typed};
}

} // namespace

int RunPolarizationCommand(const std::vector<std::string>& args, CommandContext& context)
{
    const Request request = Parse(args);
    const AnalysisOptions options = Options(request);
    const auto& o = request.options;
    const bool typedArea = o.contains("--area");
    const double area = typedArea ? Positive("--area", o.at("--area")) : 0;
    const double ru = o.contains("--ru") ? Number("--ru", o.at("--ru")) : 0;
    BranchChoice branch = BranchChoice::Forward;
    if (const auto found = o.find("--branch"); found != o.end()) {
        if (found->second == "reverse")
            branch = BranchChoice::Reverse;
        else if (found->second != "forward")
            ThrowUsage("--branch takes forward or reverse, not '" + found->second + "'");
    }
    const std::string unit
        = o.contains("--unit") ? o.at("--unit") : std::string(kMillimetresPerYear);
    if (!IsRateUnit(unit))
        ThrowUsage("--unit takes a corrosion-rate unit, not '" + unit + "'");
    const CurveRead read = ReadCurveFile(request.file);
    if (!read.curve)
        FileFailure(request.file, read.error);
    const RateMaterial material = Material(request, *read.curve);
    const double usedArea = typedArea ? area : read.curve->area.value_or(1);
    const SplitCurve split = SplitAtApex(*read.curve, usedArea, ru);
    if (branch == BranchChoice::Reverse && split.reverse.potential.empty())
        FileFailure(request.file, "the scan has no reverse branch");
    const PolarizationAnalysis analysis
        = AnalyseBranch(branch == BranchChoice::Forward ? split.forward : split.reverse, options);
    if (!analysis.result)
        FileFailure(request.file, analysis.error);
    const PolarizationReport report = MakeReport(*analysis.result, usedArea, material, unit);
    std::ostream& out = context.out;
    if (request.json) {
        out << ReportJson(report, request.file) << '\n';
    } else {
        out << "file: " << OneLine(request.file) << " (" << read.curve->format << ")\n";
        for (const ReportLine& line : ReportLines(report))
            out << line.label << ": " << OneLine(line.value) << '\n';
    }
    return 0;
}

} // namespace corrolab
