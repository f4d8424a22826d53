// The command line's texts and exit statuses, run in process with string streams.
#include "temp_folder.h"
#include "tests/support/in_process_command_line.h"
#include "tests/support/process_result.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace corrolab {
namespace {

// Runs the command line with the arguments and standard input; the program folder
// holds no data files.
ProcessResult Corrolab(const std::vector<std::string>& args, const std::string& input = "")
{
    return RunCommandLineInProcess(args, input, "/nonexistent-corrolab-folder");
}

TEST(CommandLineTexts, ConvertsCorrosionRatesForEachMaterial)
{
    EXPECT_EQ(Corrolab({"convert", "1", "micro_amp/cm^2", "mpy"}).out, ".4573\n");
    EXPECT_EQ(Corrolab({"convert", "1", "mpy", "micro_amp/cm^2"}).out, "2.186\n");
    EXPECT_EQ(Corrolab({"convert", "--scientific", "1500", "amp/cm^2", "amp/cm^2"}).out,
        "1.500 x E+03\n");
    EXPECT_EQ(
        Corrolab({"convert", "--metal", "Fe", "1", "amp/cm^2", "g/cm^2-s"}).out, ".0002893\n");
    EXPECT_EQ(
        Corrolab({"convert", "--metal", "Cu", "1", "amp/cm^2", "g/cm^2-s"}).out, ".0006584\n");
    const ProcessResult alloy
        = Corrolab({"convert", "--alloy", "Alclad 17 ST", "1", "amp/cm^2", "mdd"});
    EXPECT_EQ(alloy.status, 0);
    EXPECT_FALSE(alloy.out.empty());
    EXPECT_EQ(
        Corrolab({"convert", "--composition", "70Cu 30Zn", "1", "milli_amp/cm^2", "micro_amp/cm^2"})
            .out,
        "1000.000\n");
}

TEST(CommandLineTexts, StreamsValuesInOrder)
{
    const ProcessResult run = Corrolab({"convert", "-", "amp/cm^2", "milli_amp/cm^2"},
        "1\n2.5E-3\nnot a number\n1e400\n-3\n12abc");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "1000.000\n2.500\n0.000\n\n-3000.000\n12000.000\n");
}

TEST(CommandLineTexts, ConvertsCurrenciesWithARatesFile)
{
    TempFolder folder;
    const auto rates = folder.Write("rates.txt",
        "a,b,c,d,e,Test rates\n\"US Dollar\",1\n"
        "\"Euro\",0.5\n\"Bad\",x\n");
    const ProcessResult good
        = Corrolab({"convert", "--rates", rates.string(), "3", "US Dollar", "Euro"});
    EXPECT_EQ(good.out, "1.500\n") << good.err;
    const ProcessResult bad = Corrolab({"convert", "--rates", rates.string(), "3", "Bad", "Euro"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("'Bad'"), std::string::npos);
}

TEST(CommandLineTexts, ReportsMaterials)
{
    EXPECT_EQ(Corrolab({"material", "--metal", "Fe"}).out,
        "equivalent weight: 27.9235\ndensity: 7.8600 (element)\n"
        "coupon density: 7.8600 (element)\nratio: 3.5526\ntotal: 100\n"
        "warnings: none\ng102 equivalent weight: 27.9235\ng102 density: 7.8600\n"
        "g102 density source: element\ng102 ratio: 3.5526\n");
    // The density's source beside it: the window's mean by mass, and a coupon's.
    const ProcessResult duralumin = Corrolab({"material", "--alloy", "Aluminum Alloy 24S (2024)"});
    EXPECT_NE(duralumin.out.find("\ndensity: 2.9956 (mass-fraction mean)\n"
                                 "coupon density: 2.7800 (handbook)\n"),
        std::string::npos)
        << duralumin.out;
    const ProcessResult alloy = Corrolab({"material", "--alloy", "Alclad 17 ST"});
    EXPECT_EQ(alloy.status, 0);
    EXPECT_NE(alloy.out.find("total: 99\nwarnings: total not 100\n"), std::string::npos);
    const ProcessResult typed
        = Corrolab({"material", "--composition", "77Al 21Zn 1.1Cu 0.5Fe Pb Sn"});
    EXPECT_NE(typed.out.find("total: 99.6\n"), std::string::npos);
    const ProcessResult phosphorus = Corrolab({"material", "--metal", "P"});
    EXPECT_EQ(phosphorus.status, 1);
    EXPECT_NE(phosphorus.out.find("warnings: missing valence, zero density, check inputs"),
        std::string::npos);
    // A negative share is refused here as in the tools window.
    const ProcessResult negative = Corrolab({"material", "--composition", "150Cu -50Zn"});
    EXPECT_EQ(negative.status, 1);
    EXPECT_NE(negative.out.find("equivalent weight: \n"), std::string::npos) << negative.out;
    EXPECT_NE(negative.out.find("warnings: check inputs"), std::string::npos) << negative.out;
    EXPECT_EQ(
        Corrolab({"convert", "--composition", "150Cu -50Zn", "1", "micro_amp/cm^2", "mpy"}).status,
        1);
}

TEST(CommandLineTexts, ListsUnitsAndAlloys)
{
    EXPECT_EQ(Lines(Corrolab({"units"}).out), 49u);
    EXPECT_EQ(Lines(Corrolab({"units", "- Miscellaneous -"}).out), 542u);
    EXPECT_EQ(Corrolab({"units", "Temperature"}).out, "K\nC\nF\nR\n");
    EXPECT_EQ(Lines(Corrolab({"alloys"}).out), 22u);
    const std::string aluminum = Corrolab({"alloys", "Aluminum"}).out;
    EXPECT_NE(aluminum.find("Alclad 17 ST\t94Al 4Cu 0.5Mg 0.5Mn\n"), std::string::npos);
}

TEST(CommandLineTexts, HelpAndVersion)
{
    EXPECT_EQ(Corrolab({"--version"}).out, "corrolab 1.0.0\n");
    const std::string help = Corrolab({"--help"}).out;
    EXPECT_NE(help.find("corrolab convert"), std::string::npos);
    EXPECT_NE(help.find("corrolab --screenshot DIR"), std::string::npos) << help;
    for (const char* command : {"convert", "material", "units", "alloys"}) {
        const ProcessResult run = Corrolab({command, "--help"});
        EXPECT_EQ(run.status, 0) << command;
        EXPECT_NE(run.out.find(std::string("corrolab ") + command), std::string::npos);
    }
    EXPECT_NE(
        Corrolab({"convert", "--help"}).out.find("leading number of the line"), std::string::npos);
}

struct ErrorCase
{
    std::vector<std::string> args;
    int status;
    const char* culprit;
};

TEST(CommandLineTexts, EveryErrorNamesItsCulprit)
{
    TempFolder empty;
    const ErrorCase cases[] = {
        {{"convert", "1", "mpy", "furlong"}, 1, "'furlong'"},
        {{"convert", "1", "mpy", "two\nlines"}, 1, "'two\\nlines'"},
        {{"convert", "1", "mpy", "Euro", "--rates", (empty.path() / "none").string()}, 1, "none"},
        {{"convert", "--metal", "Xx", "1", "mpy", "mdd"}, 1, "'Xx'"},
        {{"convert", "--alloy", "Unobtainium", "1", "mpy", "mdd"}, 1, "'Unobtainium'"},
        {{"convert", "--metal", "He", "1", "mpy", "mdd"}, 1, "cannot be calculated"},
        {{"material", "--metal", "Zz"}, 1, "'Zz'"},
        {{"units", "angle"}, 1, "'angle'"},
        {{"alloys", "Kryptonite"}, 1, "'Kryptonite'"},
        {{"convert", "1", "mpy"}, 2, "VALUE FROM TO"},
        {{"convert", "--bogus", "1", "mpy", "mdd"}, 2, "--bogus"},
        {{"convert", "--metal", "Fe", "--alloy", "x", "1", "mpy", "mdd"}, 2, "one of"},
        {{"material"}, 2, "--metal"},
        {{"units", "a", "b"}, 2, "at most one"},
    };
    for (const ErrorCase& c : cases) {
        const ProcessResult run = Corrolab(c.args);
        EXPECT_EQ(run.status, c.status) << c.args[0] << " " << c.args.back();
        EXPECT_NE(run.err.find(c.culprit), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "") << c.args.back();
        if (c.status == 1) {
            EXPECT_EQ(Lines(run.err), 1u) << run.err;
        }
    }
}

TEST(CommandLineTexts, DifferentCategoriesAndUnusableSources)
{
    TempFolder folder;
    const auto rates = folder.Write("r.txt", "a,b,c,d,e,f\nEuro,1\n");
    const ProcessResult mixed
        = Corrolab({"convert", "--rates", rates.string(), "1", "mpy", "Euro"});
    EXPECT_EQ(mixed.status, 1);
    EXPECT_NE(mixed.err.find("not units of one category"), std::string::npos);
    const ProcessResult zero = Corrolab({"convert", "--composition", "100Fe", "1", "mdd", "mpy"});
    EXPECT_EQ(zero.status, 0);
    // A device as the rates file is read only so far, and converts nothing.
    const ProcessResult device = Corrolab({"convert", "--rates", "/dev/zero", "1", "mpy", "mdd"});
    EXPECT_EQ(device.status, 0);
    EXPECT_EQ(device.out, "5.465\n");
}

} // namespace
} // namespace corrolab
