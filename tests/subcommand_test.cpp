// The command line's one framework: the argument parser, the one-line error
// text and a standard output that cannot be written.
#include "base/text.h"
#include "cli/subcommand.h"
#include "temp_folder.h"
#include "tests/support/in_process_command_line.h"
#include "tests/support/process_result.h"

#include <gtest/gtest.h>

namespace corrolab {
namespace {

const OptionSpec kSpec {{"--unit", "--rate"}, {"--scientific"}};

TEST(Subcommand, ReadsOptionsInEachForm)
{
    struct Row
    {
        std::vector<std::string> args;
        std::map<std::string, std::string> options;
        std::vector<std::string> positional;
        bool scientific;
    };
    const Row rows[] = {
        {{"--unit", "mpy", "1"}, {{"--unit", "mpy"}}, {"1"}, false},
        {{"--unit=mpy", "1"}, {{"--unit", "mpy"}}, {"1"}, false},
        {{"--unit=", "1"}, {{"--unit", ""}}, {"1"}, false}, // an empty value is a value
        {{"--rate=a=b"}, {{"--rate", "a=b"}}, {}, false}, // the first '=' splits
        {{"1", "--scientific", "2"}, {}, {"1", "2"}, true},
        {{"--", "--unit", "-5"}, {}, {"--unit", "-5"}, false}, // "--" ends the options
        {{"--unit", "--", "--", "x"}, {{"--unit", "--"}}, {"x"}, false}, // a value may be "--"
        {{"-1.5", "-", "- Miscellaneous -"}, {}, {"-1.5", "-", "- Miscellaneous -"}, false},
    };
    for (const Row& row : rows) {
        const ParsedArguments parsed = ParseArguments(row.args, kSpec);
        const std::string name = ::testing::PrintToString(row.args);
        EXPECT_EQ(parsed.options, row.options) << name;
        EXPECT_EQ(parsed.positional, row.positional) << name;
        EXPECT_EQ(parsed.flags.contains("--scientific"), row.scientific) << name;
    }
}

TEST(Subcommand, RefusesWrongUsageWithOneMessage)
{
    const std::pair<std::vector<std::string>, std::string> rows[] = {
        {{"--unit"}, "--unit needs a value"},
        {{"--unit", "a", "--unit=b"}, "--unit given twice"},
        {{"--colour=red"}, "unknown option --colour"},
        {{"--scientific=yes"}, "unknown option --scientific"}, // a flag takes no value
        {{"-x"}, "unknown option -x"},
    };
    for (const auto& [args, message] : rows) {
        try {
            ParseArguments(args, kSpec);
            ADD_FAILURE() << "accepted " << ::testing::PrintToString(args);
        } catch (const CommandError& error) {
            EXPECT_EQ(error.kind, CommandError::Kind::Usage);
            EXPECT_EQ(error.message, message) << ::testing::PrintToString(args);
        }
    }
    OptionSpec noWords = kSpec;
    noWords.positional = false;
    EXPECT_THROW(ParseArguments({"stray"}, noWords), CommandError);
}

TEST(Subcommand, OneLineEscapesControlCharactersAndCapsTheLength)
{
    const std::pair<std::string, std::string> rows[] = {
        {"plain text", "plain text"}, {"a\nb\rc\td", "a\\nb\\rc\\td"},
        {"\x1b[31mred", "\\x1b[31mred"}, {std::string("nul\0end", 7), "nul\\x00end"},
        {"\x7f", "\\x7f"}, {"caf\xc3\xa9", "caf\xc3\xa9"}, // UTF-8 is kept
    };
    for (const auto& [text, line] : rows)
        EXPECT_EQ(OneLine(text), line) << line;

    EXPECT_EQ(OneLine(std::string(400, 'x')), std::string(400, 'x'));
    // A longer text keeps its first 400 bytes, then "...".
    EXPECT_EQ(OneLine(std::string(401, 'x')), std::string(400, 'x') + "...");
    // Never cut inside an escape or a UTF-8 character.
    EXPECT_EQ(OneLine("abcdefghi\x1b", 10), "abcdefghi...");
    EXPECT_EQ(OneLine("abcdefghi\xc3\xa9", 10), "abcdefghi...");
    EXPECT_EQ(OneLine("abcdefgh\xc3\xa9xyz", 10), "abcdefgh\xc3\xa9...");
}

TEST(Subcommand, OptionFormsGiveTheSameResultOnTheCommandLine)
{
    const auto run = [](const std::vector<std::string>& args) {
        return RunCommandLineInProcess(args, "", "/nonexistent-corrolab-folder");
    };
    const ProcessResult spaced = run({"convert", "--category", "Length", "1", "furlong", "m"});
    const ProcessResult joined = run({"convert", "--category=Length", "1", "furlong", "m"});
    EXPECT_EQ(spaced.out, "201.168\n");
    EXPECT_EQ(joined.out, spaced.out);
    // A negative value after "--" is a value, not an option.
    const ProcessResult negative = run({"convert", "--", "-1", "mm/year", "mm/year"});
    EXPECT_EQ(negative.status, 0) << negative.err;
    EXPECT_EQ(negative.out, "-1.000\n");
    const ProcessResult calculator
        = run({"massloss", "--mass-loss=0.650", "--area", "28.5", "--hours=168", "--density=7.85"});
    EXPECT_EQ(calculator.status, 0) << calculator.err;
    EXPECT_EQ(calculator.out,
        run({"massloss", "--mass-loss", "0.650", "--area", "28.5", "--hours", "168", "--density",
                "7.85"})
            .out);
}

TEST(Subcommand, AnOutputThatCannotBeWrittenFailsWithOneLine)
{
    TempFolder scratch;
    for (const char* args : {"units", "--help", "convert 1 mpy mdd", "alloys Copper"}) {
        const std::string command = ShellQuoted(CORROLAB_EXE) + " " + args + " >/dev/full";
        const ProcessResult run
            = RunShellCommand("sh -c " + ShellQuoted(command), "/dev/null", scratch.path());
        EXPECT_EQ(run.status, 1) << args;
        EXPECT_EQ(run.err, "corrolab: the output cannot be written\n") << args;
    }
}

} // namespace
} // namespace corrolab
