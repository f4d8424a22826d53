#include "cli/command_line.h"
#include "tests/support/in_process_command_line.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace corrolab {
namespace {

ProcessResult Corrolab(const std::vector<std::string>& args)
{
    return RunCommandLineInProcess(args, "", "/nonexistent-corrolab-folder");
}

struct OutputCase
{
    std::vector<std::string> args;
    std::string out;
};

TEST(CalculatorCommands, PrintLabelledLinesAndTheSeverity)
{
    const OutputCase cases[] = {
        {{"massloss", "--mass-loss", "0.650", "--area", "28.5", "--hours", "168", "--density",
             "7.85"},
            "density: 7.850 g/cm^3 (given)\n"
            "corrosion rate: 1.515 mm/year\n"
            "severity: severe (general corrosion, carbon steel)\n"},
        {{"massloss", "--mass-loss", "0.650", "--area", "28.5", "--days", "7", "--density", "7.85",
             "--unit", "mpy"},
            "density: 7.850 g/cm^3 (given)\n"
            "corrosion rate: 59.64 mpy\n"
            "corrosion rate: 1.515 mm/year\n"
            "severity: severe (general corrosion, carbon steel)\n"},
        // Without a material: iron as the main window opens (7.86 g/cm^3).
        {{"massloss", "--mass-loss", "0.010", "--area", "28.5", "--hours", "720"},
            "density: 7.860 g/cm^3 (element)\n"
            "corrosion rate: 0.005431 mm/year\n"
            "severity: low (general corrosion, carbon steel)\n"},
        // A catalogue alloy's coupon takes the handbook density where the catalogue
        // has one: 8.76e4 x 1.0 / (10 x 100 x 2.78) = 31.51 mm/year for 2024.
        {{"massloss", "--mass-loss", "1.0", "--area", "10", "--hours", "100", "--alloy",
             "Aluminum Alloy 24S (2024)"},
            "density: 2.780 g/cm^3 (handbook)\n"
            "corrosion rate: 31.51 mm/year\n"
            "severity: severe (general corrosion, carbon steel)\n"},
        {{"lpr", "--rp", "1000", "--ba", "120", "--bc", "120"},
            "B: 26.05 mV\n"
            "corrosion current density: 26.05 micro_amp/cm^2\n"
            "corrosion rate: 0.3027 mm/year\n"
            "severity: severe (general corrosion, carbon steel)\n"},
        // 26 mV over 2600 ohm cm^2 (1300 ohm on 2 cm^2): 10 micro_amp/cm^2; the
        // penetration follows the main window's ratio for iron (3.5526).
        {{"lpr", "--rp", "1300", "--electrode-area", "2", "--b", "26", "--unit", "mpy"},
            "B: 26.00 mV\n"
            "corrosion current density: 10.00 micro_amp/cm^2\n"
            "corrosion rate: 4.574 mpy\n"
            "corrosion rate: 0.1162 mm/year\n"
            "severity: moderate (general corrosion, carbon steel)\n"},
        {{"life", "--thickness", "10", "--minimum", "6", "--rate", "0.2", "--rate-unit", "mm/year",
             "--measured", "2026-12-08", "--design-life", "25"},
            "remaining life: 20.00 years\n"
            "minimum reached: 2046-12-08\n"
            "design allowance: 5.000 mm\n"
            "severity: high (general corrosion, carbon steel)\n"},
        // 10 micro_amp/cm^2 on iron is 0.116178 mm/year, as the main window
        // converts it: 4 mm last 34.430 years, 12575 days.
        {{"life", "--thickness", "10", "--minimum", "6", "--rate", "10", "--rate-unit",
             "micro_amp/cm^2", "--measured", "2026-01-01"},
            "remaining life: 34.43 years\n"
            "minimum reached: 2060-06-06\n"
            "severity: moderate (general corrosion, carbon steel)\n"},
    };
    for (const OutputCase& c : cases) {
        const ProcessResult run = Corrolab(c.args);
        EXPECT_EQ(run.status, 0) << c.args[0] << ": " << run.err;
        EXPECT_EQ(run.out, c.out) << c.args[0] << " " << c.args[1] << " " << c.args[2];
        EXPECT_EQ(run.err, "");
    }
}

struct ErrorCase
{
    std::vector<std::string> args;
    int status;
    std::string says;
};

TEST(CalculatorCommands, ErrorsAreOneLineWithTheirStatus)
{
    const ErrorCase cases[] = {
        {{"massloss", "--mass-loss", "0.65", "--area", "0", "--hours", "168"}, 1,
            "--area must be above 0"},
        {{"massloss", "--mass-loss", "0.65", "--area", "28.5", "--hours", "-1"}, 1,
            "--hours must be above 0"},
        {{"massloss", "--mass-loss", "x", "--area", "28.5", "--hours", "1"}, 1,
            "--mass-loss 'x' is not a number"},
        {{"massloss", "--mass-loss", "0.65", "--area", "28.5", "--hours", "1", "--unit", "mm/y"}, 1,
            "unknown corrosion-rate unit 'mm/y'"},
        {{"massloss", "--mass-loss", "0.65", "--area", "28.5", "--hours", "1", "--metal", "Xx"}, 1,
            "unknown element symbol 'Xx'"},
        {{"lpr", "--rp", "1000", "--ba", "0", "--bc", "120"}, 1,
            "The anodic Tafel slope must be above 0"},
        {{"lpr", "--rp", "1000", "--ba", "120", "--bc", "0"}, 1,
            "The cathodic Tafel slope must be above 0"},
        {{"life", "--thickness", "6", "--minimum", "8", "--rate", "0.1"}, 1,
            "The minimum thickness is above the wall thickness"},
        {{"life", "--thickness", "8", "--minimum", "6", "--rate", "0"}, 1, "never reached"},
        {{"life", "--thickness", "8", "--minimum", "6", "--rate", "1", "--measured", "2026-02-30"},
            1, "is not a date"},
        {{"life", "--thickness", "8", "--minimum", "6", "--rate", "1", "--rate-unit", "mdd", "--ew",
             "0"},
            1, "--ew must be above 0"},
        {{"massloss", "--area", "28.5", "--hours", "168"}, 2, "--mass-loss is required"},
        {{"massloss", "--mass-loss", "1", "--area", "28.5", "--hours", "1", "--days", "1"}, 2,
            "give one of --hours and --days"},
        {{"lpr", "--rp", "1000", "--b", "26", "--ba", "120"}, 2, "not both"},
        {{"lpr", "--rp", "1000", "--ba", "120"}, 2, "both Tafel slopes"},
        {{"life", "--thickness", "8", "--bogus", "1"}, 2, "unknown option --bogus"},
        {{"life", "--thickness"}, 2, "--thickness needs a value"},
    };
    for (const ErrorCase& c : cases) {
        const ProcessResult run = Corrolab(c.args);
        EXPECT_EQ(run.status, c.status) << c.says;
        EXPECT_EQ(run.out, "") << c.says;
        const std::string firstLine = run.err.substr(0, run.err.find('\n'));
        EXPECT_NE(firstLine.find("corrolab " + c.args[0] + ": "), std::string::npos) << run.err;
        EXPECT_NE(firstLine.find(c.says), std::string::npos) << run.err;
        if (c.status == 1) {
            EXPECT_EQ(run.err, firstLine + "\n") << "one line only: " << run.err;
        }
    }
}

TEST(CalculatorCommands, AtmospherePrintsTheRowsOfThePage)
{
    const OutputCase cases[] = {
        // The check value: 45.02 um/year, C3.
        {{"atmosphere", "--metal", "steel", "--temperature", "15", "--humidity", "75", "--so2",
             "10", "--chloride", "50"},
            "first-year rate: 45.0 um/year\n"
            "first-year mass loss: 354 g/m^2\n"
            "category: C3 (25-50 um/year)\n"
            "corrosivity: medium\n"
            "typical exterior: urban and industrial air with moderate SO2, coasts of low "
            "salinity\n"
            "typical interior: production rooms with high humidity and some pollution: food "
            "plants, laundries, breweries, dairies\n"
            "loss after 20 years: 216 um\n"
            "loss after 20 years (upper): 252 um\n"},
        // 10 um in the first year: 10 * 30^0.523 after 30 years would be 59.2; linear
        // after 20 years (ISO 9224) gives 60.4; 1000 um is used after 20 + (100 -
        // 5.599) / (0.575 * 5.599 / 20) = 606 years (upper).
        {{"atmosphere", "--metal", "steel", "--first-year-thickness", "10", "--years", "30",
             "--allowance", "1000"},
            "first-year rate: 10.0 um/year\n"
            "first-year mass loss: 78.6 g/m^2\n"
            "category: C2 (1.3-25 um/year)\n"
            "corrosivity: low\n"
            "typical exterior: low pollution, mostly rural areas\n"
            "typical interior: unheated buildings where condensation may occur: depots, sports "
            "halls\n"
            "loss after 30 years: 60.4 um\n"
            "loss after 30 years (upper): 72.1 um\n"
            "allowance used after: 780 years\n"
            "allowance used after (upper): 606 years\n"
            "mean rate to the allowance (upper): 0.001649 mm/year\n"},
    };
    for (const OutputCase& c : cases) {
        const ProcessResult run = Corrolab(c.args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, "");
    }
    // Outside the functions' data the estimate says so, one line per input.
    const ProcessResult hot = Corrolab({"atmosphere", "--metal", "zinc", "--temperature", "35",
        "--humidity", "75", "--so2", "10", "--chloride", "900"});
    EXPECT_EQ(hot.status, 0);
    EXPECT_NE(hot.out.find("outside the estimate's data: The temperature 35 C lies outside -17.1 "
                           "to 28.7 C\n"),
        std::string::npos)
        << hot.out;
    EXPECT_NE(
        hot.out.find("The chloride deposition 900 mg/(m^2 d) lies outside"), std::string::npos);
}

TEST(CalculatorCommands, AtmosphereAsJson)
{
    const ProcessResult run = Corrolab({"atmosphere", "--json", "--metal", "copper",
        "--first-year-loss", "12", "--years", "5", "--allowance", "20"});
    EXPECT_EQ(run.status, 0) << run.err;
    for (const char* part : {"{\"metal\": \"copper\"", "\"category\": \"C3\"",
             "{\"label\": \"Category\", \"value\": \"C3 (5-12 g/m^2 per year)\", \"unit\": \"\"}",
             "\"losses_um\": [", "{\"years\": 0, \"mean\": 0, \"upper\": 0}",
             "\"years_to_allowance_upper\": "})
        EXPECT_NE(run.out.find(part), std::string::npos) << part << " in\n" << run.out;
    EXPECT_EQ(run.out.back(), '\n');
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '{'),
        std::count(run.out.begin(), run.out.end(), '}'));
}

TEST(CalculatorCommands, AtmosphereErrors)
{
    const ErrorCase cases[] = {
        {{"atmosphere", "--first-year-loss", "10"}, 2, "--metal is required"},
        {{"atmosphere", "--metal", "steel"}, 2, "give the climate"},
        {{"atmosphere", "--metal", "steel", "--first-year-loss", "10", "--first-year-thickness",
             "1"},
            2, "give the climate"},
        {{"atmosphere", "--metal", "steel", "--temperature", "15", "--humidity", "75"}, 2,
            "the climate needs --temperature, --humidity, --so2 and --chloride"},
        {{"atmosphere", "--metal", "steel", "--first-year-loss", "10", "--json", "x"}, 2,
            "unexpected argument 'x'"},
        {{"atmosphere", "--metal", "iron", "--first-year-loss", "10"}, 1,
            "--metal 'iron' is not one of steel, zinc, copper and aluminium"},
        {{"atmosphere", "--metal", "zinc", "--first-year-loss", "-1"}, 1,
            "--first-year-loss must not be negative"},
        {{"atmosphere", "--metal", "zinc", "--temperature", "15", "--humidity", "120", "--so2", "1",
             "--chloride", "1"},
            1, "The relative humidity must lie between 0 and 100 %"},
        {{"atmosphere", "--metal", "zinc", "--first-year-loss", "1", "--years", "500"}, 1,
            "The years must lie between 1 and 100"},
        {{"atmosphere", "--metal", "zinc", "--first-year-loss", "1", "--allowance", "0"}, 1,
            "--allowance must be above 0"},
    };
    for (const ErrorCase& c : cases) {
        const ProcessResult run = Corrolab(c.args);
        EXPECT_EQ(run.status, c.status) << c.says;
        EXPECT_EQ(run.out, "") << c.says;
        const std::string firstLine = run.err.substr(0, run.err.find('\n'));
        EXPECT_NE(firstLine.find("corrolab atmosphere: " + c.says), std::string::npos) << run.err;
        if (c.status == 1) {
            EXPECT_EQ(run.err, firstLine + "\n") << "one line only: " << run.err;
        }
    }
}

TEST(CalculatorCommands, ListedInTheHelpAndHelpful)
{
    EXPECT_NE(Corrolab({"--help"}).out.find("corrolab massloss"), std::string::npos);
    EXPECT_TRUE(IsCommandLine({"lpr"}));
    EXPECT_NE(Corrolab({"--help"}).out.find("corrolab atmosphere --metal M"), std::string::npos);
    for (const char* command : {"massloss", "lpr", "life", "atmosphere"}) {
        const ProcessResult run = Corrolab({command, "--help"});
        EXPECT_EQ(run.status, 0) << command;
        EXPECT_NE(run.out.find(std::string("Usage: corrolab ") + command), std::string::npos);
    }
}

} // namespace
} // namespace corrolab

namespace corrolab {
namespace {

TEST(CalculatorCommands, EverySubcommandThatPrintsFiguresTakesJson)
{
    const struct
    {
        std::vector<std::string> args;
        std::string out; // exactly
    } cases[] = {
        {{"massloss", "--mass-loss", "0.650", "--area", "28.5", "--days", "7", "--density", "7.85",
             "--unit", "mpy", "--json"},
            "{\"density_g_cm3\": 7.85, \"density_source\": \"given\", \"corrosion_rate\": 59.64"},
        {{"lpr", "--rp", "1000", "--b", "26", "--json"}, "{\"B_mV\": 26, "},
        {{"life", "--thickness", "10", "--minimum", "6", "--rate", "0.5", "--measured",
             "2024-01-01", "--json"},
            "{\"remaining_life_years\": 8, \"minimum_reached\": \"2032-01-01\", \"severity\": "},
        {{"convert", "--json", "1,5", "mm/year", "mpy"},
            "{\"value\": \"1,5\", \"from\": \"mm/year\", \"to\": \"mpy\", \"result\": \"39.370\", "
            "\"number\": 39.37"},
        {{"convert", "--json", "255", "Decimal", "Hexadecimal"},
            "{\"value\": \"255\", \"from\": \"Decimal\", \"to\": \"Hexadecimal\", \"result\": "
            "\"FF\", \"number\": null}\n"},
        {{"material", "--metal", "Cu", "--json"}, "{\"equivalent_weight\": \""},
    };
    for (const auto& row : cases) {
        const ProcessResult run = RunCommandLineInProcess(row.args, "", "/nonexistent");
        std::string call;
        for (const std::string& arg : row.args)
            call += " " + arg;
        EXPECT_EQ(run.status, 0) << call << run.err;
        EXPECT_EQ(run.out.substr(0, row.out.size()), row.out) << call;
        // One object on one line.
        EXPECT_EQ(std::ranges::count(run.out, '\n'), 1) << call;
        EXPECT_TRUE(run.out.ends_with("}\n")) << call;
    }
    const ProcessResult streamed
        = RunCommandLineInProcess({"convert", "--json", "-", "C", "K"}, "0\n-300\n", "/x");
    EXPECT_EQ(streamed.out,
        "{\"value\": \"0\", \"from\": \"C\", \"to\": \"K\", \"result\": \"273.150\", \"number\": "
        "273.15}\n"
        "{\"value\": \"-300\", \"from\": \"C\", \"to\": \"K\", \"result\": \"\", \"number\": "
        "null}\n");
}

} // namespace
} // namespace corrolab
