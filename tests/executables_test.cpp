// The executables: `corrolab` runs the command line without Qt or libcurl, starts
// the windows program for everything else and the downloader for `rates update`.
#include "base/shared_library.h"
#include "cli/windows_launcher.h"
#include "datafiles/program_files.h"
#include "temp_folder.h"
#include "tests/support/process_result.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <sys/wait.h>
#include <vector>

namespace corrolab {
namespace {

// Runs a program with the arguments through `env ENVIRONMENT`, with no input.
ProcessResult RunProgram(const std::string& environment, const std::filesystem::path& program,
    const std::vector<std::string>& args = {})
{
    TempFolder scratch;
    // A program that waits for a person (a message box, say) fails the test
    // after a minute instead of hanging the run.
    std::string command
        = "timeout -k 5 60 env " + environment + " " + ShellQuoted(program.string());
    for (const std::string& arg : args)
        command += " " + ShellQuoted(arg);
    return RunShellCommand(command, "/dev/null", scratch.path());
}

const char* kNoDisplay = "-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM";

std::vector<std::string> NeededLibraries(const char* program)
{
    const ProcessResult run = RunProgram("", "/usr/bin/readelf", {"-d", program});
    EXPECT_EQ(run.status, 0) << run.err;
    std::vector<std::string> needed;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
        const size_t open = line.find("Shared library: [");
        if (line.find("(NEEDED)") != std::string::npos && open != std::string::npos)
            needed.push_back(line.substr(open + 17, line.find(']', open) - open - 17));
    }
    return needed;
}

// Zip archives, fitting curves and evaluating expressions: the libraries for
// those are opened by the task, and no program loads them at start.
// The windows' parts that need Qt libraries beyond Widgets are modules, opened
// the same way.
const char* const kOpenedOnFirstUse[] = {"libzip", "libgsl", "libmuparser", "libQt6Charts",
    "libQt6Network", "libQt6PrintSupport", "libQt6OpenGL", "libQt6Svg"};

// A sanitized build links the sanitizers' runtimes, which bring the C++ and
// maths libraries along, into every program.
#ifdef CORROLAB_SANITIZED
constexpr std::size_t kSanitizerRuntimes = 4;
#else
constexpr std::size_t kSanitizerRuntimes = 0;
#endif

// Qt only in the windows program, libcurl (and through it TLS, Kerberos, LDAP...)
// only in the downloader, so that a conversion loads about a dozen libraries.
TEST(Executables, OnlyTheWindowsProgramLoadsQtAndOnlyTheDownloaderLoadsCurl)
{
    struct Case
    {
        const char* name;
        const char* program;
        bool loadsQt;
        bool loadsCurl;
        std::size_t mostLibraries;
    };
    const Case cases[] = {
        {"corrolab", CORROLAB_EXE, false, false, 4 + kSanitizerRuntimes}, // the C library alone
        {"corrolab-cli", CORROLAB_CLI_EXE, false, false, 15},
        {"corrolab-windows", CORROLAB_WINDOWS_EXE, true, false, 100},
        {"corrolab-fetch", CORROLAB_FETCH_EXE, false, true, 100},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> needed = NeededLibraries(c.program);
        EXPECT_FALSE(needed.empty()) << c.name; // the dynamic section was read
        const auto names = [&](const char* prefix) {
            return std::any_of(needed.begin(), needed.end(),
                [&](const std::string& library) { return library.starts_with(prefix); });
        };
        EXPECT_EQ(names("libQt"), c.loadsQt) << c.name;
        EXPECT_EQ(names("libcurl"), c.loadsCurl) << c.name;
        // Nor through a library it loads.
        const ProcessResult loaded = RunProgram("", "/usr/bin/ldd", {c.program});
        EXPECT_EQ(loaded.status, 0) << c.name << loaded.err;
        EXPECT_NE(loaded.out.find("libc.so"), std::string::npos) << c.name << loaded.out;
        EXPECT_EQ(loaded.out.find("libQt") != std::string::npos, c.loadsQt) << loaded.out;
        EXPECT_EQ(loaded.out.find("libcurl") != std::string::npos, c.loadsCurl) << loaded.out;
        EXPECT_LE(std::count(loaded.out.begin(), loaded.out.end(), '\n'), c.mostLibraries)
            << c.name << loaded.out;
        // What only some tasks need is opened when one of them is first done.
        for (const char* library : kOpenedOnFirstUse)
            EXPECT_EQ(loaded.out.find(library), std::string::npos) << c.name << ": " << library;
    }
}

// The modules beside the windows program open with every symbol they need
// resolved, and hold the entries the windows call.
TEST(Executables, EachModuleOpensAndHoldsItsEntries)
{
    struct Case
    {
        const char* module;
        std::vector<const char*> entries;
    };
    const Case cases[] = {
        {"corrolab-polarization",
            {"corrolab_polarization_window", "corrolab_polarization_screenshots"}},
        {"corrolab-print", {"corrolab_print_document"}},
        {"corrolab-download", {"corrolab_download"}},
    };
    const std::filesystem::path folder = std::filesystem::path(CORROLAB_WINDOWS_EXE).parent_path();
    for (const Case& c : cases) {
        const std::optional<std::filesystem::path> file = FindModule(folder, c.module);
        ASSERT_TRUE(file) << c.module << " is not beside " << folder;
        const SharedLibrary& module = SharedLibrary::Open(file->string());
        for (const char* entry : c.entries)
            EXPECT_NE(module.Address(entry), nullptr) << c.module << ": " << entry;
        // Nothing else of it shows: its copies of the program's code stay its own.
        const ProcessResult symbols
            = RunProgram("", "/usr/bin/nm", {"-D", "--defined-only", file->string()});
        EXPECT_EQ(symbols.status, 0) << symbols.err;
        std::istringstream lines(symbols.out);
        int shown = 0;
        for (std::string line; std::getline(lines, line); ++shown)
            EXPECT_NE(line.find(" corrolab_"), std::string::npos) << c.module << ": " << line;
        EXPECT_EQ(shown, static_cast<int>(c.entries.size())) << c.module << symbols.out;
    }
}

TEST(Executables, ModulesAreLookedForBesideTheProgramThenInTheInstalledFolder)
{
    TempFolder folder;
    const auto libexec = folder.path() / "usr" / "libexec" / "corrolab";
    const auto installed = (libexec / CORROLAB_MODULES_FROM_WINDOWS).lexically_normal();
    std::filesystem::create_directories(libexec);
    std::filesystem::create_directories(installed);
    struct Case
    {
        const char* name;
        std::vector<std::filesystem::path> present;
        std::optional<std::filesystem::path> found;
    };
    const Case cases[] = {
        {"nowhere", {}, std::nullopt},
        {"installed", {installed / "corrolab-print.so"}, installed / "corrolab-print.so"},
        {"beside wins", {libexec / "corrolab-print.so", installed / "corrolab-print.so"},
            libexec / "corrolab-print.so"},
        {"a folder of that name is no module", {installed / "corrolab-print.so" / ""},
            std::nullopt},
    };
    for (const Case& c : cases) {
        for (const auto& path : c.present) {
            if (path.filename().empty())
                std::filesystem::create_directories(path);
            else
                std::ofstream(path) << "module";
        }
        EXPECT_EQ(FindModule(libexec, "corrolab-print"), c.found) << c.name;
        for (const auto& path : c.present)
            std::filesystem::remove_all(path);
    }
    // What a missing module is told with: both folders, in the order looked in,
    // on one line whatever the folders' names hold.
    EXPECT_EQ(NotInPlacesText(ModulePlaces(libexec, "corrolab-print")),
        "corrolab-print.so is neither in " + libexec.string() + " nor in " + installed.string());
    const std::string odd
        = NotInPlacesText(ModulePlaces("/a\nb/libexec/corrolab", "corrolab-print"));
    EXPECT_EQ(odd.find('\n'), std::string::npos) << odd;
    EXPECT_TRUE(odd.starts_with("corrolab-print.so is neither in /a")) << odd;
}

std::filesystem::path WriteScript(const std::filesystem::path& path, const std::string& body)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    return path;
}

// Copies of `corrolab` in FOLDER/bin and of the command line in
// FOLDER/libexec/corrolab, as an installation lays them out; gives the first.
std::filesystem::path InstalledCopy(const std::filesystem::path& folder)
{
    const auto copy = [](const char* program, const std::filesystem::path& to) {
        std::filesystem::create_directories(to.parent_path());
        std::filesystem::copy_file(program, to);
        std::filesystem::permissions(to, std::filesystem::perms::owner_all);
        return to;
    };
    copy(CORROLAB_CLI_EXE, folder / "libexec" / "corrolab" / "corrolab-cli");
    return copy(CORROLAB_EXE, folder / "bin" / "corrolab");
}

TEST(Launcher, StartsTheWindowsProgramBesideItElseFromLibexec)
{
    enum Places { kNone, kBeside, kLibexec, kBoth, kBesideNotExecutable, kBesideAFolder };
    struct Case
    {
        const char* name;
        Places places;
        std::vector<std::string> args;
        int status;
        std::string out;
    };
    // Without arguments `corrolab` starts the windows itself; with any, the
    // command line (in libexec/corrolab) does, from beside itself.
    const Case cases[] = {
        {"no arguments, both places", kBoth, {}, 0, "beside\n"},
        {"window options passed through", kBoth, {"--screenshot", "a folder", "x'y", ""}, 3,
            "libexec\n--screenshot\na folder\nx'y\n\n"},
        {"installed layout", kLibexec, {"--bogus"}, 3, "libexec\n--bogus\n"},
        {"beside but not executable", kBesideNotExecutable, {}, 3, "libexec\n"},
        {"a folder of that name beside", kBesideAFolder, {}, 3, "libexec\n"},
        {"beside only", kBeside, {}, 0, "beside\n"},
        {"a subcommand never starts the windows", kBoth, {"--version"}, 0, "corrolab 1.0.0\n"},
        {"nowhere", kNone, {}, 1, ""},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        const auto program = InstalledCopy(folder.path());
        const auto beside = folder.path() / "bin" / "corrolab-windows";
        if (c.places == kBeside || c.places == kBoth || c.places == kBesideNotExecutable)
            WriteScript(beside, "echo beside; for a in \"$@\"; do printf '%s\\n' \"$a\"; done");
        if (c.places == kBesideNotExecutable)
            std::filesystem::permissions(beside, std::filesystem::perms::owner_read);
        if (c.places == kBesideAFolder)
            std::filesystem::create_directories(beside);
        if (c.places == kLibexec || c.places == kBoth || c.places == kBesideNotExecutable
            || c.places == kBesideAFolder)
            WriteScript(folder.path() / "libexec" / "corrolab" / "corrolab-windows",
                "echo libexec; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; exit 3");
        const ProcessResult run = RunProgram(kNoDisplay, program, c.args);
        EXPECT_EQ(run.status, c.status) << c.name << ": " << run.err;
        EXPECT_EQ(run.out, c.out) << c.name;
        if (c.places == kNone) {
            EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
            EXPECT_NE(run.err.find("corrolab-windows"), std::string::npos) << run.err;
            EXPECT_NE(run.err.find((folder.path() / "bin").string()), std::string::npos) << run.err;
        } else {
            EXPECT_EQ(run.err, "") << c.name;
        }
    }
}

TEST(Launcher, ArgumentsGoToTheCommandLineAndSayWhenItIsMissing)
{
    TempFolder folder;
    const auto program = InstalledCopy(folder.path());
    EXPECT_EQ(RunProgram(kNoDisplay, program, {"convert", "1", "mpy", "mpy"}).out, "1.000\n");
    std::filesystem::remove(folder.path() / "libexec" / "corrolab" / "corrolab-cli");
    const ProcessResult run = RunProgram(kNoDisplay, program, {"--version"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
        "corrolab: cannot start the command line: corrolab-cli is neither in "
            + (folder.path() / "bin").string() + " nor in "
            + (folder.path() / "libexec" / "corrolab").string() + "\n");
}

TEST(Launcher, OpensTheRealWindows)
{
    TempFolder folder;
    const auto installed = InstalledCopy(folder.path());
    std::filesystem::create_directories(folder.path() / "libexec" / "corrolab");
    std::filesystem::create_symlink(
        CORROLAB_WINDOWS_EXE, folder.path() / "libexec" / "corrolab" / "corrolab-windows");
    struct Case
    {
        const char* name;
        std::filesystem::path program;
    };
    const Case cases[] = {
        {"build folder", CORROLAB_EXE},
        {"installed layout", installed},
    };
    for (const Case& c : cases) {
        const auto pictures = folder.path() / (std::string("pictures of ") + c.name);
        const ProcessResult run
            = RunProgram(kNoDisplay, c.program, {"--screenshot", pictures.string()});
        EXPECT_EQ(run.status, 0) << c.name << ": " << run.err;
        EXPECT_TRUE(std::filesystem::is_regular_file(pictures / "corrolab-main.png")) << c.name;
        // No arguments: the main window opens (and, asked to, closes once shown).
        const ProcessResult shown
            = RunProgram("QT_QPA_PLATFORM=offscreen CORROLAB_QUIT_WHEN_SHOWN=1", c.program);
        EXPECT_EQ(shown.status, 0) << c.name << ": " << shown.err;
    }
}

// The windows program takes Qt's standard options, with one dash or two, beside
// its own --screenshot DIR (or --screenshot=DIR); `corrolab` passes them on.
TEST(Launcher, TheWindowsTakeQtsStandardOptions)
{
    struct Case
    {
        const char* name;
        const char* program;
        std::vector<std::string> args; // then DIR for --screenshot
        int status;
        const char* err; // a part of standard error
    };
    const Case cases[] = {
        {"-platform offscreen", CORROLAB_WINDOWS_EXE, {"-platform", "offscreen", "--screenshot"}, 0,
            ""},
        {"--platform offscreen", CORROLAB_WINDOWS_EXE, {"--platform", "offscreen", "--screenshot"},
            0, ""},
        {"-style Fusion --reverse", CORROLAB_WINDOWS_EXE,
            {"-style", "Fusion", "--reverse", "-reverse", "--screenshot"}, 0, ""},
        {"through corrolab", CORROLAB_EXE,
            {"-platform", "offscreen", "-style", "Fusion", "--screenshot"}, 0, ""},
        {"an unknown option", CORROLAB_WINDOWS_EXE,
            {"-platform", "offscreen", "--bogus", "--screenshot"}, 2,
            "corrolab: unknown argument '--bogus'"},
        {"a stray word", CORROLAB_WINDOWS_EXE, {"-platform", "offscreen", "stray", "--screenshot"},
            2, "corrolab: unknown argument 'stray'"},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        std::vector<std::string> args = c.args;
        args.push_back((folder.path() / "pictures").string());
        const ProcessResult run = RunProgram(kNoDisplay, c.program, args);
        EXPECT_EQ(run.status, c.status) << c.name << ": " << run.err;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << c.name << ": " << run.err;
        EXPECT_EQ(
            std::filesystem::is_regular_file(folder.path() / "pictures" / "corrolab-main.png"),
            c.status == 0)
            << c.name;
    }
    TempFolder folder;
    const auto pictures = folder.path() / "pictures";
    const ProcessResult joined = RunProgram(kNoDisplay, CORROLAB_WINDOWS_EXE,
        {"-platform", "offscreen", "--screenshot=" + pictures.string()});
    EXPECT_EQ(joined.status, 0) << joined.err;
    EXPECT_TRUE(std::filesystem::is_regular_file(pictures / "corrolab-main.png"));
    // Without a window system and without -platform: one line saying so.
    const ProcessResult headless
        = RunProgram(kNoDisplay, CORROLAB_WINDOWS_EXE, {"-style", "Fusion"});
    EXPECT_EQ(headless.status, 1);
    EXPECT_NE(headless.err.find("corrolab: no display found"), std::string::npos) << headless.err;
}

} // namespace
} // namespace corrolab
