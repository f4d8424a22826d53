// End-to-end tests of the command line: they run the built executable.
#include "temp_folder.h"
#include "tests/support/process_result.h"
#include "window_fixture.h"

#include "tools/ui/eqwt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <array>
#include <cstdio>
#include <sys/wait.h>

namespace corrolab {
namespace {

// Runs corrolab with the arguments and standard input, with no display. Its data
// files come from the build folder only: the user's and the system's data folders
// are empty ones, unless `environment` ("NAME=value") says otherwise.
ProcessResult Corrolab(const std::vector<std::string>& args, const std::string& input = "",
    const std::vector<std::string>& environment = {})
{
    TempFolder scratch;
    const auto in = scratch.Write("in", input);
    std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM"
        + (" XDG_DATA_HOME=" + ShellQuoted((scratch.path() / "home").string()))
        + (" XDG_DATA_DIRS=" + ShellQuoted((scratch.path() / "system").string()));
    for (const std::string& variable : environment)
        command += " " + ShellQuoted(variable);
    command += " " + ShellQuoted(CORROLAB_EXE);
    for (const std::string& arg : args)
        command += " " + ShellQuoted(arg);
    return RunShellCommand(command, in, scratch.path());
}

// What only a process shows: the exit status the shell sees, and which stream
// the words go to. (The texts themselves are checked in process.)
TEST(CommandLine, ExitStatusesReachTheShell)
{
    struct Row
    {
        std::vector<std::string> args;
        int status;
    };
    const Row rows[] = {
        {{"--version"}, 0},
        {{"convert", "1", "micro_amp/cm^2", "mpy"}, 0},
        {{"convert", "1", "mpy", "furlong"}, 1},
        {{"alloys", "Kryptonite"}, 1},
        {{"convert", "1", "mpy"}, 2},
        {{"convert", "--bogus", "1", "mpy", "mdd"}, 2},
    };
    for (const Row& row : rows) {
        const ProcessResult run = Corrolab(row.args);
        EXPECT_EQ(run.status, row.status) << row.args.back();
        EXPECT_EQ(run.out.empty(), row.status != 0) << row.args.back();
        EXPECT_EQ(run.err.empty(), row.status == 0) << row.args.back() << ": " << run.err;
        if (row.status == 1) {
            EXPECT_EQ(Lines(run.err), 1u) << run.err;
        }
    }
}

TEST(CommandLine, WithoutADisplayTheWindowsExplainHowToStart)
{
    const ProcessResult run = Corrolab({});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("no display"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("xvfb-run"), std::string::npos) << run.err;
}

// The command line and the windows give the same text for the same inputs.
using CommandLineAndWindow = WindowTest;

TEST_F(CommandLineAndWindow, AgreeOnEveryFigure)
{
    Convert("2.5E-6", "amp/cm^2", "mpy");
    EXPECT_EQ(" " + Corrolab({"convert", "2.5E-6", "amp/cm^2", "mpy"}).out, Result() + "\n");

    form->Command6->click();
    EqWt* tools = form->tools();
    tools->Option2[1]->click();
    Choose(tools->Combo3, "Copper");
    const std::string alloy = tools->Combo4->itemText(0).toStdString();
    Choose(tools->Combo4, alloy.c_str());
    for (const char* to : {"mdd", "mm/year", "ipy", "g/cm^2-s"}) {
        Convert("17", "micro_amp/cm^2", to);
        const ProcessResult run
            = Corrolab({"convert", "--alloy", alloy, "17", "micro_amp/cm^2", to});
        EXPECT_EQ(" " + run.out, Result() + "\n") << to;
    }
    form->Check1->setChecked(true);
    Convert("17", "micro_amp/cm^2", "mpy");
    EXPECT_EQ(
        Corrolab({"convert", "--scientific", "--alloy", alloy, "17", "micro_amp/cm^2", "mpy"}).out,
        Result() + "\n");
}

TEST(CommandLine, DataFilesComeFromTheFirstFolderThatHoldsThem)
{
    TempFolder root;
    const auto home = root.path() / "home";
    const auto system = root.path() / "system";
    std::filesystem::create_directories(home / "corrolab");
    std::filesystem::create_directories(system / "corrolab");
    const std::vector<std::string> environment
        = {"XDG_DATA_HOME=" + home.string(), "XDG_DATA_DIRS=/nonexistent:" + system.string()};
    std::ofstream(system / "corrolab" / "HELP.TXT") << "x";
    std::ofstream(home / "corrolab" / "currency.txt") << "a,b,c,d,e,f\n\"US Dollar\",1\nEuro,2\n";

    const ProcessResult paths = Corrolab({"paths"}, "", environment);
    EXPECT_EQ(paths.status, 0) << paths.err;
    const std::string buildFolder
        = std::filesystem::path(CORROLAB_EXE).parent_path().lexically_normal().string();
    for (const std::string& line : {
             "Currency.txt: " + (home / "corrolab" / "currency.txt").string()
                 + " (user data folder)\n",
             "help.txt: " + buildFolder + "/help.txt (program folder)\n",
             "  " + (home / "corrolab").string() + " (user data folder)\n",
             std::string("  /nonexistent/corrolab (system data folder)\n"),
             "  " + (system / "corrolab").string() + " (system data folder)\n",
         })
        EXPECT_NE(paths.out.find(line), std::string::npos) << line << "in:\n" << paths.out;

    // The user's rates are the ones converted with, ahead of the build folder's.
    const ProcessResult convert = Corrolab({"convert", "3", "US Dollar", "Euro"}, "", environment);
    EXPECT_EQ(convert.out, "6.000\n") << convert.err;
    const ProcessResult units = Corrolab({"units", "Currencies"}, "", environment);
    EXPECT_EQ(units.out, "US Dollar\nEuro\n");
    EXPECT_EQ(Corrolab({"paths", "extra"}).status, 2);
}

} // namespace
} // namespace corrolab
