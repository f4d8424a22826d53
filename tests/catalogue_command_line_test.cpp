// The command line converting catalogue units, in process.
#include "tests/support/in_process_command_line.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace corrolab {
namespace {

ProcessResult Corrolab(const std::vector<std::string>& args, const std::string& input = "")
{
    return RunCommandLineInProcess(args, input, "/nonexistent");
}

struct CommandCase
{
    std::vector<std::string> args;
    int status;
    const char* out; // standard output, exactly
    const char* err; // the first line of standard error, exactly
};

std::string FirstLine(const std::string& text)
{
    return text.substr(0, text.find('\n'));
}

TEST(CatalogueCommandLine, ConvertsWithinACategoryOrAsTheNamesTell)
{
    const CommandCase cases[] = {
        {{"convert", "--category", "Length", "1", "furlong", "m"}, 0, "201.168\n", ""},
        {{"convert", "1", "furlong", "m"}, 0, "201.168\n", ""},
        {{"convert", "100", "C", "F"}, 0, "212.000\n", ""},
        {{"convert", "--scientific", "1", "lightyear", "km"}, 0, "9.461 x E+12\n", ""},
        {{"convert", "--category", "Time", "90", "s", "min"}, 0, "1.500\n", ""},
        {{"convert", "--category", "Angle", "90", "s", "min"}, 0, "1.500\n", ""},
        {{"convert", "--category", "Number formats", "FF", "Hexadecimal", "Decimal"}, 0, "255\n",
            ""},
        {{"convert", "1994", "Decimal", "Roman"}, 0, "MCMXCIV\n", ""},
        {{"convert", "1", "mm/year", "mpy"}, 0, "39.370\n", ""},
        {{"convert", "1", "mm/year", "g/m^2-day"}, 0, "21.516\n", ""},
        // Copper, 8.96 g/cm^3: 0.1 cm/year x 8.96 g/cm^3 = 89600 / 365.25 mg/dm^2-day.
        {{"convert", "--metal", "Cu", "1", "mm/year", "mdd"}, 0, "245.312\n", ""},
        {{"convert", "1", "micro_amp/cm^2", "mpy"}, 0, ".4573\n", ""}, // the unit table, as ever
        // Two of the ten corrosion-rate units keep the table's single-precision figures
        // (the exact value is 102.49099...); a catalogue name goes through the definitions.
        {{"convert", "--category", "Corrosion rate", "41", "micro_amp/cm^2", "mdd"}, 0, "102.491\n",
            ""},
        {{"convert", "--category", "Corrosion rate", "41", "micro_amp/cm^2", "mg/m^2-day"}, 0,
            "10249.099\n", ""},
        {{"convert", "1", "mg/s", "g/s"}, 0, ".001000\n", ""}, // two names, one list
        // Factors held in binary give 0.0009999999999999998: the result shows as 0.001 does.
        {{"convert", "--category", "Current density", "1", "micro_amp/cm^2", "milli_amp/cm^2"}, 0,
            ".001000\n", ""},
        {{"convert", "--category", "Length", "1", "mm", "km"}, 0, ".000001000\n", ""},
        {{"convert", "1", "s", "min"}, 2, "",
            "corrolab convert: 's' and 'min' are units of several categories (Angle, Time); "
            "choose one with --category"},
        {{"convert", "1", "m/s", "rad/s"}, 1, "",
            "corrolab: m/s and rad/s measure different quantities"},
        {{"convert", "-300", "C", "K"}, 1, "", "corrolab: -300 C is below absolute zero"},
        {{"convert", "--category", "Number formats", "19", "Octal", "Decimal"}, 1, "",
            "corrolab: '9' is not a digit of Octal"},
        {{"convert", "--category", "Length", "1", "furlong", "kg"}, 1, "",
            "corrolab: 'kg' is not a unit of Length"},
        {{"convert", "--category", "Lenght", "1", "m", "ft"}, 1, "",
            "corrolab: unknown category 'Lenght'"},
        {{"convert", "1", "furlong", "kg"}, 1, "",
            "corrolab: 'furlong' and 'kg' are not units of one category"},
        {{"convert", "1", "furlong", "parsec"}, 1, "", "corrolab: unknown unit 'parsec'"},
        // The spellings engineers type stand for the catalogue's units.
        // 145.0377 psi, cut to three decimals as every result is.
        {{"convert", "1", "MPa", "psi"}, 0, "145.037\n", ""},
        {{"convert", "1000", "kPa", "MPa"}, 0, "1.000\n", ""},
        {{"convert", "1", "GPa", "ksi"}, 0, "145.037\n", ""},
        {{"convert", "1", "mm/y", "mpy"}, 0, "39.370\n", ""},
        {{"convert", "1", "mm/yr", "um/y"}, 0, "1000.000\n", ""},
        {{"convert", "1000", "\u00b5m/y", "mm/year"}, 0, "1.000\n", ""},
        {{"convert", "1", "uA/cm2", "mpy"}, 0, ".4573\n", ""}, // the unit table, as ever
        {{"convert", "--category", "Current density", "1", "mA/cm2", "\u00b5A/cm\u00b2"}, 0,
            "1000.000\n", ""},
        {{"convert", "1", "g/m2/d", "mg/m^2-day"}, 0, "1000.000\n", ""},
        {{"convert", "100", "\u00b0C", "\u00b0F"}, 0, "212.000\n", ""},
        {{"convert", "212", "degF", "degC"}, 0, "100.000\n", ""},
        // An unknown name is answered with the close ones.
        {{"convert", "1", "mm/yaer", "mpy"}, 1, "",
            "corrolab: unknown unit 'mm/yaer'; did you mean mm/year?"},
        {{"convert", "--category", "Length", "1", "furlongs", "m"}, 1, "",
            "corrolab: 'furlongs' is not a unit of Length; did you mean furlong?"},
        {{"convert", "--category", "Length", "1", "furlong", "kgs"}, 1, "",
            "corrolab: 'kgs' is not a unit of Length"},
        {{"convert", "--category", "Length", "1", "furlong", "kn"}, 1, "",
            "corrolab: 'kn' is not a unit of Length; did you mean km or in?"},
        // A value cut short by the read is named on standard error.
        {{"convert", "1,5", "mm/year", "mpy"}, 0, "39.370\n", "corrolab: read \"1,5\" as 1"},
        {{"convert", "12abc", "furlong", "m"}, 0, "2414.016\n", "corrolab: read \"12abc\" as 12"},
        {{"convert", "abc", "C", "K"}, 0, "273.150\n", "corrolab: read \"abc\" as 0"},
        {{"convert", " 1.5 ", "mm/year", "mpy"}, 0, "59.055\n", ""},
        {{"convert", "1\x1b", "mm/year", "mpy"}, 0, "39.370\n", "corrolab: read \"1\\x1b\" as 1"},
        {{"convert", "FF", "Hexadecimal", "Decimal"}, 0, "255\n", ""},
    };
    for (const CommandCase& row : cases) {
        const ProcessResult run = Corrolab(row.args);
        std::string call;
        for (const std::string& arg : row.args)
            call += " " + arg;
        EXPECT_EQ(run.status, row.status) << call;
        EXPECT_EQ(run.out, row.out) << call;
        EXPECT_EQ(FirstLine(run.err), row.err) << call;
    }
}

TEST(CatalogueCommandLine, StreamsEveryKindOfCategory)
{
    EXPECT_EQ(Corrolab({"convert", "--category", "Length", "-", "furlong", "m"}, "1\n2\n0.5\n").out,
        "201.168\n402.336\n100.584\n");
    // A value without a result leaves its line empty and the stream goes on.
    EXPECT_EQ(Corrolab({"convert", "-", "C", "K"}, "0\n-300\n1e400\n100\n").out,
        "273.150\n\n\n373.150\n");
    EXPECT_EQ(
        Corrolab({"convert", "-", "Decimal", "Hexadecimal"}, "255\n1.5\n-16\n").out, "FF\n\n-10\n");
}

TEST(CatalogueCommandLine, ListsDefinitions)
{
    const ProcessResult run = Corrolab({"units", "Length", "--definitions"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("furlong\tfurlong, 660 ft = 201.168 m\n"), std::string::npos);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 35);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\t'), 35);
    EXPECT_EQ(Corrolab({"units", "--definitions"}).status, 2);
    const ProcessResult corrosion = Corrolab({"units", "Corrosion rate", "--definitions"});
    EXPECT_EQ(FirstLine(corrosion.out),
        "micro_amp/cm^2\tmicroampere per cm^2 (corrosion current density) = 0.01 A/m^2");
}

} // namespace
} // namespace corrolab
