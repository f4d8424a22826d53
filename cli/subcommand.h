#pragma once

#include <chrono>
#include <filesystem>
#include <iosfwd>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace corrolab {

// The command line's one framework: every subcommand is a row of one table
// (cli/command_line.cpp) with its usage and help, throws the one error type,
// and reads its arguments with the one parser.

// Why a subcommand stops: wrong usage (exit status 2, its help follows) or a
// request that fails (exit status 1). Either prints one line on standard error.
struct CommandError
{
    enum class Kind { Usage, Failure };
    Kind kind;
    std::string message;
};
[[noreturn]] void ThrowUsage(std::string message);
[[noreturn]] void ThrowFailure(std::string message);

// The options a subcommand knows: those followed by a value, and flags.
struct OptionSpec
{
    std::set<std::string> valued;
    std::set<std::string> flags;
    // Whether words that are not options are taken (else "unexpected argument").
    bool positional = true;
};

struct ParsedArguments
{
    std::map<std::string, std::string> options;
    std::set<std::string> flags;
    std::vector<std::string> positional;

    bool Has(const std::string& name) const { return options.contains(name); }
};

// "-x" and "--x" are options; "-", "-1.5", "-.5" and "- Miscellaneous -" are not.
bool LooksLikeOption(std::string_view arg);

// Reads the arguments by `spec`: "--name value" and "--name=value" are the same,
// "--" ends the options (what follows is positional, "-1" included). An unknown
// option, a missing value or an option given twice is a usage error.
ParsedArguments ParseArguments(const std::vector<std::string>& args, const OptionSpec& spec);

// What a subcommand runs with.
struct CommandContext
{
    std::istream& in;
    std::ostream& out;
    std::ostream& err; // for a subcommand that reports more than one line
    std::filesystem::path programFolder;
    std::chrono::year_month_day today; // the local date unless a test fixes it
};

struct Subcommand
{
    std::string_view name;
    std::string usage; // its lines in `corrolab --help`
    std::string help; // `corrolab NAME --help`, and after a usage error
    int (*run)(const std::vector<std::string>& args, CommandContext& context);
    // A failed request reads "corrolab NAME: reason" (the calculators, whose
    // options several subcommands share) rather than "corrolab: reason".
    bool failureNamesCommand = false;
};

// Runs `args` (the subcommand's name first) by the table: --help, the one-line
// errors (control characters escaped, long texts cut), and the exit status,
// 1 when standard output cannot be written.
int RunSubcommand(
    const Subcommand& command, const std::vector<std::string>& args, CommandContext& context);

// Exit status 1 with one line when `out` could not be written (a full disk,
// a closed pipe); else `status`.
int CheckWritten(std::ostream& out, std::ostream& err, int status);

} // namespace corrolab
