// The ASTM G102 lines of `corrolab material` and `corrolab convert --method`.
#include "tests/support/in_process_command_line.h"

#include <gtest/gtest.h>

namespace corrolab {
namespace {

ProcessResult Corrolab(const std::vector<std::string>& args)
{
    return RunCommandLineInProcess(args, "", "/nonexistent");
}

// The text after "name: " on its line, or "<missing>".
std::string Line(const std::string& out, const std::string& name)
{
    const std::string key = name + ": ";
    const size_t at = out.find(key);
    if (at == std::string::npos || (at > 0 && out[at - 1] != '\n'))
        return "<missing>";
    const size_t start = at + key.size();
    return out.substr(start, out.find('\n', start) - start);
}

TEST(CommandLineG102, MaterialPrintsTheG102LinesAfterTheClassicOnes)
{
    const struct
    {
        std::vector<std::string> args;
        const char* classic; // classic equivalent weight
        const char* equivalentWeight;
        const char* density;
        const char* source;
        const char* ratio;
        int status;
    } rows[] = {
        {{"material", "--metal", "Cu"}, "63.5400", "31.7700", "8.9600", "element", "3.5457", 0},
        {{"material", "--alloy", "Cartridge brass (70/30, C26000)"}, "54.2835", "32.0390", "8.5300",
            "handbook", "3.7560", 0},
        {{"material", "--composition", "70Cu 30Zn"}, "54.2835", "32.0390", "8.3234",
            "volume-additive", "3.8492", 0},
        // The classic figures fail on phosphorus; G102 leaves it out.
        {{"material", "--alloy", "Phosphor bronze (cryogenic grade)"}, "", "32.5923", "8.8600",
            "handbook", "3.6786", 0},
        {{"material", "--metal", "P"}, "", "", "", "", "", 1},
    };
    for (const auto& row : rows) {
        const ProcessResult run = Corrolab(row.args);
        const std::string& label = row.args.back();
        EXPECT_EQ(run.status, row.status) << label;
        EXPECT_EQ(Line(run.out, "equivalent weight"), row.classic) << label;
        EXPECT_EQ(Line(run.out, "g102 equivalent weight"), row.equivalentWeight) << label;
        EXPECT_EQ(Line(run.out, "g102 density"), row.density) << label;
        EXPECT_EQ(Line(run.out, "g102 density source"), row.source) << label;
        EXPECT_EQ(Line(run.out, "g102 ratio"), row.ratio) << label;
        // The G102 lines come after the classic warnings line.
        EXPECT_LT(run.out.find("warnings: "), run.out.find("g102 equivalent weight: ")) << label;
    }
}

TEST(CommandLineG102, ConvertUsesTheChosenMethod)
{
    const struct
    {
        std::vector<std::string> args;
        const char* out;
    } rows[] = {
        {{"convert", "--metal", "Cu", "1", "micro_amp/cm^2", "mm/year"}, ".02319\n"},
        {{"convert", "--metal", "Cu", "--method", "classic", "1", "micro_amp/cm^2", "mm/year"},
            ".02319\n"},
        // Copper at valence 2 corrodes half as fast for the same current.
        {{"convert", "--metal", "Cu", "--method", "g102", "1", "micro_amp/cm^2", "mm/year"},
            ".01159\n"},
        {{"convert", "--method", "g102", "1", "micro_amp/cm^2", "mpy"}, ".4573\n"},
        {{"convert", "--alloy", "Phosphor bronze (cryogenic grade)", "--method", "g102", "1",
             "amp/cm^2", "g/cm^2-s"},
            ".0003377\n"},
    };
    for (const auto& row : rows) {
        const ProcessResult run = Corrolab(row.args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, row.out) << run.err;
    }
}

TEST(CommandLineG102, MethodErrors)
{
    const struct
    {
        std::vector<std::string> args;
        int status;
        const char* culprit;
    } rows[] = {
        {{"convert", "--method", "astm", "1", "mpy", "mdd"}, 2, "'astm'"},
        {{"convert", "--metal", "P", "--method", "g102", "1", "mpy", "mdd"}, 1,
            "row 1 (P) has G102 valence \"--\""},
        {{"convert", "--alloy", "Phosphor bronze (cryogenic grade)", "1", "mpy", "mdd"}, 1,
            "cannot be calculated"},
    };
    for (const auto& row : rows) {
        const ProcessResult run = Corrolab(row.args);
        EXPECT_EQ(run.status, row.status) << row.culprit;
        EXPECT_NE(run.err.find(row.culprit), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "") << row.culprit;
    }
}

} // namespace
} // namespace corrolab
