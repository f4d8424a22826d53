#include "app/command_line.h"
#include "tests/support/in_process_command_line.h"

#include <gtest/gtest.h>

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
            "corrosion rate: 59.66 mpy\n"
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
            "corrosion rate: 0.3026 mm/year\n"
            "severity: severe (general corrosion, carbon steel)\n"},
        // 26 mV over 2600 ohm cm^2 (1300 ohm on 2 cm^2): 10 micro_amp/cm^2; the
        // penetration follows equivalent weight / density (27.92 / 7.86 = 3.55216).
        {{"lpr", "--rp", "1300", "--electrode-area", "2", "--b", "26", "--unit", "mpy"},
            "B: 26.00 mV\n"
            "corrosion current density: 10.00 micro_amp/cm^2\n"
            "corrosion rate: 4.573 mpy\n"
            "corrosion rate: 0.1162 mm/year\n"
            "severity: moderate (general corrosion, carbon steel)\n"},
        {{"life", "--thickness", "10", "--minimum", "6", "--rate", "0.2", "--rate-unit", "mm/year",
             "--measured", "2026-12-08", "--design-life", "25"},
            "remaining life: 20.00 years\n"
            "minimum reached: 2046-12-08\n"
            "design allowance: 5.000 mm\n"
            "severity: high (general corrosion, carbon steel)\n"},
        // 10 micro_amp/cm^2 on iron is 0.116163 mm/year: 4 mm last 34.434 years,
        // 12577 days.
        {{"life", "--thickness", "10", "--minimum", "6", "--rate", "10", "--rate-unit",
             "micro_amp/cm^2", "--measured", "2026-01-01"},
            "remaining life: 34.43 years\n"
            "minimum reached: 2060-06-08\n"
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

TEST(CalculatorCommands, ListedInTheHelpAndHelpful)
{
    EXPECT_NE(Corrolab({"--help"}).out.find("corrolab massloss"), std::string::npos);
    EXPECT_TRUE(IsCommandLine({"lpr"}));
    for (const char* command : {"massloss", "lpr", "life"}) {
        const ProcessResult run = Corrolab({command, "--help"});
        EXPECT_EQ(run.status, 0) << command;
        EXPECT_NE(run.out.find(std::string("Usage: corrolab ") + command), std::string::npos);
    }
}

} // namespace
} // namespace corrolab
