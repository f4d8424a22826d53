#include "cli/command_line.h"

#include "alloys/alloy_catalogue.h"
#include "alloys/material_figures.h"
#include "app/conversion.h"
#include "app/data_file_report.h"
#include "app/program_info.h"
#include "app/read_note.h"
#include "app/unit_resolution.h"
#include "base/json.h"
#include "base/lenient_number.h"
#include "base/number_format.h"
#include "base/text.h"
#include "base/today.h"
#include "catalogue/unit_catalogue.h"
#include "cli/calculator_commands.h"
#include "cli/material_options.h"
#include "cli/polarization_command.h"
#include "cli/subcommand.h"
#include "corrosion/corrosion_rate_units.h"
#include "corrosion/material_values.h"
#include "currency/rates_command.h"
#include "currency/rates_reader.h"
#include "datafiles/program_files.h"
#include "tools/g102_calculation.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <iostream>
#include <map>
#include <set>

namespace corrolab {

namespace {

constexpr const char* kConvertHelp
    = "Usage: corrolab convert [--scientific] [--json] [--category CATEGORY]\n"
      "                        [--metal SYMBOL | --alloy NAME | --composition TEXT]\n"
      "                        [--method classic|g102]\n"
      "                        [--rates FILE] VALUE FROM TO\n"
      "\n"
      "Prints what the main window's result box shows for VALUE converted from the\n"
      "unit FROM to the unit TO, without its surrounding blanks.\n"
      "\n"
      "  --scientific        the result as 1.500 x E+03\n"
      "  --json              one JSON object per value: value, from, to, result, number\n"
      "  --category CATEGORY FROM and TO are units of CATEGORY\n"
      "  --metal SYMBOL      the material is a pure metal (Fe, Cu, ...)\n"
      "  --alloy NAME        the material is an alloy of the built-in catalogue\n"
      "  --composition TEXT  the material is a composition such as \"70Cu 30Zn\"\n"
      "  --method g102       convert with the ASTM G102 equivalent weight and density\n"
      "                      instead of the classic means (--method classic, the default)\n"
      "  --rates FILE        exchange rates from FILE instead of the program folder's\n"
      "                      Currency.txt\n"
      "\n"
      "Without a material option the material is iron, as the main window opens.\n"
      "Any two units of one category of the catalogue convert (corrolab units lists\n"
      "them; \"Number formats\" converts whole numbers as text, FF to 255). Without\n"
      "--category, the corrosion-rate units and the currencies of the rates file\n"
      "convert as ever, and other names convert in the one category that holds\n"
      "both; names that several categories hold are a usage error that lists them.\n"
      "A value that gives no result prints the reason on standard error (status 1).\n"
      "\n"
      "VALUE - reads values from standard input, one per line, and writes one result\n"
      "per line in order. Each value is read as the window reads its value box: the\n"
      "leading number of the line, so a line without one counts as 0 and \"12abc\"\n"
      "as 12; a value that gives no result (too large to hold, below absolute zero,\n"
      "a digit outside the base) gives an empty line.\n"
      "\n"
      "VALUE is read the same way: \"12abc\" as 12 and \"1,5\" as 1 (the point is the\n"
      "decimal mark in every locale), and standard error then names the number read:\n"
      "corrolab: read \"1,5\" as 1.\n"
      "\n"
      "FROM and TO may also be written as engineers often type them: MPa, kPa, GPa,\n"
      "mm/y, mm/yr, um/y, uA/cm2, mA/cm2, g/m2/d, degC, degF (and with the signs\n"
      "\u00b5, \u00b2 and \u00b0); an unknown name is answered with the closest names.\n";

constexpr const char* kMaterialHelp
    = "Usage: corrolab material (--metal SYMBOL | --alloy NAME | --composition TEXT)\n"
      "                         [--json]\n"
      "\n"
      "Prints the Material Properties window's results, one 'name: value' line each:\n"
      "equivalent weight (g), density (g/cm^3, the mean of the element densities by\n"
      "mass, or the element's), coupon density (g/cm^3: the catalogue's handbook\n"
      "density of the alloy where it has one, else the volume-additive mean; the one\n"
      "massloss, lpr and life use), each with its source in brackets, ratio\n"
      "(equivalent weight / density),\n"
      "total (of the percentages), and warnings naming the markers the window shows\n"
      "(total not 100, missing valence, zero density, check inputs) or 'none'.\n"
      "Then the ASTM G102 figures: g102 equivalent weight (g), g102 density (g/cm^3),\n"
      "g102 density source (handbook, element or volume-additive) and g102 ratio;\n"
      "they are empty when the G102 figures cannot be calculated. With --json, the\n"
      "same texts as one JSON object (\"g102_density_source\": \"handbook\", ...).\n"
      "Exit status 1 when the material cannot be calculated by either method.\n";

constexpr const char* kUnitsHelp
    = "Usage: corrolab units [CATEGORY [--definitions]]\n"
      "\n"
      "Without CATEGORY, lists the category chooser's items; with it, the unit names\n"
      "that choosing CATEGORY lists, one per line (names match exactly).\n"
      "\"Currencies\" lists the currencies of the rates file when there is one.\n"
      "With --definitions, each unit as name<TAB>definition.\n";

constexpr const char* kAlloysHelp
    = "Usage: corrolab alloys [BASE]\n"
      "\n"
      "Without BASE, lists the base metals of the alloy catalogue; with it, the alloys\n"
      "of BASE as name<TAB>composition.\n";

constexpr const char* kPathsHelp
    = "Usage: corrolab paths\n"
      "\n"
      "Prints the file in use for the exchange rates (Currency.txt), the user guide\n"
      "(help.txt) and the unit list (units.txt), then the folders searched, in order:\n"
      "the user's data folder ($XDG_DATA_HOME/corrolab or ~/.local/share/corrolab),\n"
      "the program's folder, share/corrolab beside the installed program, and\n"
      "corrolab/ in each folder of $XDG_DATA_DIRS. The first file found is used; its\n"
      "name may be in any letter case.\n";

// The figures of the material the options name; std::nullopt without one.
std::optional<MaterialFigures> NamedMaterial(const ParsedArguments& parsed)
{
    const std::optional<MaterialOption> named = NamedMaterialOption(parsed.options);
    if (!named)
        return std::nullopt;
    Checked<MaterialFigures> figures = FiguresOf(named->kind, named->text);
    if (!figures)
        ThrowFailure(figures.error().message);
    return *figures;
}

// The main window's frame after the tools window has handed the material back
// (iron as the program opens without one).
FrameTexts MaterialFrame(const ParsedArguments& parsed)
{
    const HandBackMethod method = MethodOption(parsed.options, "--method");
    std::optional<MaterialFigures> named = NamedMaterial(parsed);
    if (!named && method == HandBackMethod::Classic)
        return kStartFrame;
    if (!named)
        named = *FiguresOf(MaterialKind::Metal, "Fe");
    const Checked<HandBack> handBack = named->HandBackBy(method);
    if (!handBack)
        ThrowFailure(handBack.error().message);
    return handBack->frame;
}

// The rates file the conversion uses, if any: --rates FILE must exist. Where
// reading it stopped early is told on standard error, as the windows tell it.
std::optional<RatesFile> Rates(
    const ParsedArguments& parsed, const std::filesystem::path& folder, std::ostream& err)
{
    std::optional<RatesFile> rates;
    std::filesystem::path file;
    if (const auto option = parsed.options.find("--rates"); option != parsed.options.end()) {
        file = option->second;
        rates = ReadRatesFrom(file);
        if (!rates)
            ThrowFailure("rates file '" + option->second + "' not found");
    } else if (auto inUse = ReadRatesInUse(DataSearchFolders(UserDataFolder(), folder))) {
        file = inUse->found.file;
        rates = std::move(inUse->rates);
    }
    if (rates && rates->stop)
        err << "corrolab: " << OneLine(RatesStopNote(file, *rates)) << '\n';
    return rates;
}

// A rates file that lists nothing (a device, another kind of file), or a
// currency of it whose rate does not read as a number.
void RequireUsableRates(const RatesFile& rates, const ParsedArguments& parsed,
    const std::string& from, const std::string& to)
{
    if (const auto option = parsed.options.find("--rates");
        option != parsed.options.end() && rates.currencies.empty())
        ThrowFailure("rates file '" + option->second + "' lists no currencies");
    for (const std::string& name : {from, to})
        for (const CurrencyRate& currency : rates.currencies)
            if (CurrencyKey(currency.name) == CurrencyKey(name) && !currency.rate)
                ThrowFailure("the rates file gives no usable rate for '" + name + "'");
}

bool IsCatalogueCurrency(const std::string& name)
{
    const auto currencies = UnitsForSelection(kCurrencies);
    return std::ranges::find(currencies, name) != currencies.end();
}

// A currency of the catalogue that the table lacks because no rates file was found.
void RequireRatesFor(const UnitTable& table, const std::string& from, const std::string& to)
{
    for (const std::string& name : {from, to}) {
        if (TableHoldsUnit(table, name))
            continue;
        if (IsCatalogueCurrency(name))
            ThrowFailure("no rates file for the currency '" + name + "' (put Currency.txt in "
                + UserDataFolder().string() + " or use --rates)");
        return;
    }
}

// The conversion of FROM to TO: within --category when given; else as the names
// tell, a usage error listing the categories when several hold both names.
Conversion ResolveCommandLineUnits(const ParsedArguments& parsed, const UnitTable& table,
    const FrameMaterial& material, const std::string& from, const std::string& to)
{
    const auto category = parsed.options.find("--category");
    const ConversionRequest request {
        category == parsed.options.end() ? std::string_view() : category->second, from, to};
    if (!request.category.empty() && !FindCategory(request.category))
        ThrowFailure("unknown category '" + std::string(request.category) + "'");
    Resolution resolution
        = ResolveConversion(table, {material.equivalentWeight, material.ratio}, request);
    if (!resolution.candidates.empty()) {
        std::string categories;
        for (const std::string_view name : resolution.candidates)
            categories += (categories.empty() ? "" : ", ") + std::string(name);
        ThrowUsage("'" + from + "' and '" + to + "' are units of several categories (" + categories
            + "); choose one with --category");
    }
    return std::move(resolution.conversion);
}

// The longest line `convert -` reads: far more than any number is long.
constexpr size_t kLongestInputLine = 4096;

int Convert(const std::vector<std::string>& args, CommandContext& context)
{
    std::ostream& out = context.out;
    const ParsedArguments parsed = ParseArguments(args,
        {{"--metal", "--alloy", "--composition", "--method", "--rates", "--category"},
            {"--scientific", "--json"}});
    if (parsed.positional.size() != 3)
        ThrowUsage("convert takes VALUE FROM TO");
    const bool json = parsed.flags.contains("--json");
    const std::string& value = parsed.positional[0];
    const std::string& from = parsed.positional[1];
    const std::string& to = parsed.positional[2];
    const bool scientific = parsed.flags.contains("--scientific");

    UnitTable table;
    const FrameMaterial material = ReadFrame(MaterialFrame(parsed));
    LoadCorrosionRateUnits(table, material.equivalentWeight, material.ratio);
    const std::optional<RatesFile> rates = Rates(parsed, context.programFolder, context.err);
    if (rates)
        StoreCurrencies(table, *rates);

    // Units are resolved once; every value then costs one read and one format.
    const Conversion conversion = ResolveCommandLineUnits(parsed, table, material, from, to);
    if (!conversion.resolved()) {
        if (!rates)
            RequireRatesFor(table, from, to);
        else
            RequireUsableRates(*rates, parsed, from, to);
        ThrowFailure(conversion.reason());
    }
    // With --json, one object per value: what was typed, the result box's text
    // and the converted number (null for a text result or none).
    const auto asJson = [&](std::string_view text, const ConversionOutcome& outcome) {
        return JsonObject()
            .Text("value", text)
            .Text("from", from)
            .Text("to", to)
            .Text("result", Trimmed(outcome.text))
            .Number("number", outcome.number)
            .str();
    };
    // One value's line: the result box's text, or with --json its object.
    const auto addResult
        = [&](std::string& to, std::string_view text, const ConversionOutcome& outcome) {
              if (json)
                  to += asJson(text, outcome);
              else
                  to += Trimmed(outcome.text);
              to += '\n';
          };
    if (value != "-") {
        const ConversionOutcome outcome = conversion.Apply(value, scientific);
        if (outcome.text.empty() && !outcome.reason.empty())
            ThrowFailure(outcome.reason);
        // As the window's status line: which number a value with more after it
        // stood for (number formats read their own digits, not a number).
        // The window says "read as 1"; here the value typed goes in between.
        if (std::string note = ReadAsNote(value); outcome.number && note.starts_with("read ")) {
            note.insert(5, "\"" + value + "\" ");
            context.err << "corrolab: " << OneLine(note) << '\n';
        }
        std::string result;
        addResult(result, value, outcome);
        out << result;
        return 0;
    }
    // Line by line, each bounded: a line longer than any number is an error naming
    // it, and a stream that fails midway is an error, not the end of the input.
    // The input is taken as it arrives and the results go out in blocks, written
    // whenever the input has to be waited for, so that a user typing values sees
    // each result at once.
    std::streambuf* const buffer = context.in.rdbuf();
    using Traits = std::char_traits<char>;
    constexpr std::streamsize kBlock = 1 << 16;
    std::vector<char> chunk(kBlock);
    std::string line;
    std::string results;
    results.reserve(static_cast<size_t>(kBlock) + kLongestInputLine);
    int finished = 0;
    const auto flush = [&] {
        out.write(results.data(), static_cast<std::streamsize>(results.size()));
        results.clear();
        return static_cast<bool>(out);
    };
    const auto convertLine = [&](std::string_view text) {
        ++finished;
        addResult(results, text, conversion.Apply(text, scientific));
        line.clear();
        return results.size() < static_cast<size_t>(kBlock) || flush();
    };
    bool failed = buffer == nullptr;
    bool writing = true;
    while (!failed && writing) {
        std::streamsize got = 0;
        try {
            if (buffer->in_avail() <= 0) {
                if (!flush())
                    break;
                if (Traits::eq_int_type(buffer->sgetc(), Traits::eof()))
                    break;
            }
            got = buffer->sgetn(
                chunk.data(), std::clamp(buffer->in_avail(), std::streamsize(1), kBlock));
        } catch (...) {
            failed = true;
            break;
        }
        if (got <= 0)
            break;
        const char* next = chunk.data();
        const char* const end = next + got;
        while (writing && next < end) {
            const auto* newline = static_cast<const char*>(
                std::memchr(next, '\n', static_cast<size_t>(end - next)));
            const char* const stop = newline ? newline : end;
            if (line.size() + static_cast<size_t>(stop - next) > kLongestInputLine) {
                flush();
                ThrowFailure("line " + std::to_string(finished + 1)
                    + " of the standard input is longer than " + std::to_string(kLongestInputLine)
                    + " characters");
            }
            if (!newline) {
                line.append(next, stop);
                break;
            }
            // A line whole in the chunk is converted where it lies.
            const std::string_view text = line.empty()
                ? std::string_view(next, static_cast<size_t>(stop - next))
                : std::string_view(line.append(next, stop));
            next = newline + 1;
            writing = convertLine(text);
        }
    }
    // The last line needs no line break after it.
    if (!failed && writing && !line.empty())
        convertLine(line);
    flush();
    if (failed)
        ThrowFailure("the standard input could not be read after line " + std::to_string(finished));
    return 0;
}

int Material(const std::vector<std::string>& args, CommandContext& context)
{
    std::ostream& out = context.out;
    const ParsedArguments parsed
        = ParseArguments(args, {{"--metal", "--alloy", "--composition"}, {"--json"}});
    if (!parsed.positional.empty())
        ThrowUsage("material takes no further arguments");
    const std::optional<MaterialFigures> named = NamedMaterial(parsed);
    if (!named)
        ThrowUsage("material needs --metal, --alloy or --composition");
    const MaterialCalculation& calculation = named->classic;
    const MaterialResults results = calculation.results.value_or(MaterialResults {});
    // The classic density is the mean of the element densities by mass; a
    // coupon's is the handbook's, or the volume-additive mean.
    const auto& coupon = named->couponDensity;
    double couponValue = coupon ? coupon->value : 0;
    const auto source
        = [](std::string_view word) { return std::string(" (") + std::string(word) + ")"; };
    const G102Calculation& g102 = named->g102;
    const G102Results figures = g102.results.value_or(G102Results {});
    const std::pair<const char*, std::string> lines[] = {
        {"equivalent weight", std::string(Trimmed(results.equivalentWeightText))},
        {"density",
            std::string(Trimmed(results.densityText))
                + (calculation.results
                        ? source(named->grid.rows.size() == 1 ? "element" : "mass-fraction mean")
                        : std::string())},
        {"coupon density",
            coupon ? std::string(Trimmed(FormatFixed(couponValue, 1, 4)))
                    + source(DensitySourceWord(coupon->source))
                   : std::string()},
        {"ratio", std::string(Trimmed(results.ratioText))},
        {"total", results.totalText},
        {"warnings", MaterialWarnings(calculation)},
        {"g102 equivalent weight", std::string(Trimmed(figures.equivalentWeightText))},
        {"g102 density", std::string(Trimmed(figures.densityText))},
        {"g102 density source",
            g102.results ? std::string(DensitySourceWord(figures.densitySource)) : ""},
        {"g102 ratio", std::string(Trimmed(figures.ratioText))},
    };
    if (parsed.flags.contains("--json")) {
        // The same figures as the window's texts, keyed by their names in snake case.
        JsonObject object;
        for (const auto& [name, text] : lines) {
            std::string key = name;
            std::ranges::replace(key, ' ', '_');
            object.Text(key, text);
        }
        out << object.str() << '\n';
    } else {
        for (const auto& [name, text] : lines)
            out << name << ": " << text << '\n';
    }
    if (!calculation.results && !g102.results)
        ThrowFailure("the material '" + named->name + "' cannot be calculated ("
            + MaterialWarnings(calculation) + ")");
    return 0;
}

int Units(const std::vector<std::string>& args, CommandContext& context)
{
    std::ostream& out = context.out;
    const std::filesystem::path& folder = context.programFolder;
    const ParsedArguments parsed = ParseArguments(args, {{}, {"--definitions"}});
    if (parsed.positional.size() > 1)
        ThrowUsage("units takes at most one CATEGORY");
    const bool definitions = parsed.flags.contains("--definitions");
    if (definitions && parsed.positional.empty())
        ThrowUsage("--definitions needs a CATEGORY");
    if (parsed.positional.empty()) {
        for (const std::string& item : CategoryChooserItems())
            out << item << '\n';
        return 0;
    }
    const std::string& category = parsed.positional[0];
    const auto chooser = CategoryChooserItems();
    if (std::ranges::find(chooser, category) == chooser.end())
        ThrowFailure("unknown category '" + category + "'");
    if (definitions) {
        for (const CatalogueEntry& entry : EntriesForSelection(category))
            out << entry.unit->name << '\t' << DefinitionOf(entry) << '\n';
        return 0;
    }
    if (category == kCurrencies)
        if (const auto rates = Rates(parsed, folder, context.err)) {
            for (const CurrencyRate& currency : rates->currencies)
                out << OneLine(currency.name, kMaxCurrencyNameLength) << '\n';
            return 0;
        }
    for (std::string_view unit : UnitsForSelection(category))
        out << unit << '\n';
    return 0;
}

int Paths(const std::vector<std::string>& args, CommandContext& context)
{
    std::ostream& out = context.out;
    const std::filesystem::path& folder = context.programFolder;
    if (!args.empty())
        ThrowUsage("paths takes no arguments");
    out << DataPathsReport(DataSearchFolders(UserDataFolder(), folder));
    return 0;
}

int Alloys(const std::vector<std::string>& args, CommandContext& context)
{
    std::ostream& out = context.out;
    const ParsedArguments parsed = ParseArguments(args, {{}, {}});
    if (parsed.positional.size() > 1)
        ThrowUsage("alloys takes at most one BASE");
    if (parsed.positional.empty()) {
        for (const BaseMetal& base : AlloyCatalogue())
            out << base.name << '\n';
        return 0;
    }
    const auto alloys = AlloysOf(parsed.positional[0]);
    if (alloys.empty())
        ThrowFailure("unknown base metal '" + parsed.positional[0] + "'");
    for (const Alloy& alloy : alloys)
        out << alloy.name << '\t' << alloy.composition << '\n';
    return 0;
}

// `rates import FILE` and `rates update [--url URL]`, with --url=URL and "--"
// read as everywhere else.
int Rates(const std::vector<std::string>& args, CommandContext& context)
{
    const ParsedArguments parsed = ParseArguments(args, {{"--url"}, {}});
    std::vector<std::string> request = parsed.positional;
    if (parsed.Has("--url"))
        request.insert(request.begin() + std::min<std::ptrdiff_t>(1, std::ssize(request)),
            {"--url", parsed.options.at("--url")});
    return RunRatesCommand(request, context.out, context.err,
        {DataSearchFolders(UserDataFolder(), context.programFolder), context.today, HttpLimits {},
            FindHelperProgram(context.programFolder, kFetchProgramName)
                .value_or(context.programFolder / kFetchProgramName)});
}

// Every subcommand, in the order `corrolab --help` lists them.
const std::vector<Subcommand>& Subcommands()
{
    static const std::vector<Subcommand> table = [] {
        std::vector<Subcommand> rows {
            {"convert", "       corrolab convert [OPTIONS] VALUE FROM TO\n", kConvertHelp, Convert},
            {"material",
                "       corrolab material (--metal SYMBOL | --alloy NAME | --composition TEXT)\n",
                kMaterialHelp, Material},
            {"units", "       corrolab units [CATEGORY [--definitions]]\n", kUnitsHelp, Units},
            {"alloys", "       corrolab alloys [BASE]\n", kAlloysHelp, Alloys},
            {"paths",
                "       corrolab paths                    the data files in use and the folders "
                "searched\n",
                kPathsHelp, Paths},
            {"rates", "       corrolab rates (import FILE | update [--url URL])\n", kRatesHelp,
                Rates},
            {"polarization", kPolarizationUsage, kPolarizationHelp, RunPolarizationCommand},
        };
        for (Subcommand& calculator : CalculatorSubcommands())
            rows.push_back(std::move(calculator));
        return rows;
    }();
    return table;
}

const Subcommand* FindSubcommand(std::string_view name)
{
    const auto found = std::ranges::find(Subcommands(), name, &Subcommand::name);
    return found == Subcommands().end() ? nullptr : &*found;
}

// `corrolab --help`: the general lines, then each subcommand's.
std::string Usage()
{
    std::string text
        = "Usage: corrolab [QT_OPTIONS]             start the windows; Qt's own options\n"
          "                                         as -style Fusion, -platform offscreen,\n"
          "                                         -reverse\n"
          "       corrolab --screenshot DIR         a PNG of each window in DIR, "
          "without a display\n";
    std::string calculators;
    for (const Subcommand& command : Subcommands())
        (IsCalculatorCommand(std::string(command.name)) ? calculators : text) += command.usage;
    return text + "       corrolab --help | --version\n"
        + "       corrolab SUBCOMMAND --help       help on one subcommand\n" + calculators
        + "\n"
          "Numbers are read with the point as the decimal mark in every locale. convert's\n"
          "VALUE is read as the window's value box reads it, its leading number (\"1,5\"\n"
          "as 1, \"12abc\" as 12), and standard error names the number read. The options\n"
          "of the calculators and of polarization must be a number as a whole, else they\n"
          "are refused; the calculators, as their windows' fields, also take a comma for\n"
          "the point (\"28,5\" is 28.5), where polarization's LOW,HIGH needs the comma.\n";
}

} // namespace

bool IsCommandLine(const std::vector<std::string>& args)
{
    if (args.empty())
        return false;
    return FindSubcommand(args[0]) || args[0] == "--help" || args[0] == "-h"
        || args[0] == "--version";
}

int RunCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
    std::ostream& err, const std::filesystem::path& programFolder,
    std::optional<std::chrono::year_month_day> today)
{
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        out << Usage();
        return CheckWritten(out, err, 0);
    }
    if (args[0] == "--version") {
        out << "corrolab " << ProgramVersion() << '\n';
        return CheckWritten(out, err, 0);
    }
    const Subcommand* command = FindSubcommand(args[0]);
    if (!command) {
        err << "corrolab: unknown subcommand '" << OneLine(args[0]) << "'\n" << Usage();
        return 2;
    }
    CommandContext context {in, out, err, programFolder, today.value_or(LocalToday())};
    return RunSubcommand(*command, args, context);
}

} // namespace corrolab
