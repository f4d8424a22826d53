// Fuzzes the command line's argument handling. The input is split at NUL bytes:
// the first part picks the subcommand, the next parts are its arguments, and the
// rest after a second NUL NUL is standard input.

#include "cli/command_line.h"
#include "fuzz/fuzz_check.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace corrolab::fuzz {
namespace {

constexpr std::array<const char*, 7> kFirst
    = {"convert", "material", "units", "alloys", "--help", "--version", "bogus"};

// Options that name a file are left out: a fuzzed path could name any file of
// the machine, and reading is the only thing they do.
bool NamesAFile(const std::string& arg)
{
    return arg == "--rates";
}

size_t Count(const std::string& text, char c)
{
    size_t n = 0;
    for (char x : text)
        n += x == c ? 1 : 0;
    return n;
}

// What a successful run may say on standard error: that a value with more after
// it was read as its leading number, one line per value. The rates file in use
// is the user's own and is not fuzzed, so its notes cannot appear here.
bool OnlyNotes(std::string_view err)
{
    constexpr std::string_view kNote = "corrolab: read \"";
    while (!err.empty()) {
        const size_t end = err.find('\n');
        if (end == std::string_view::npos || !err.starts_with(kNote))
            return false;
        err.remove_prefix(end + 1);
    }
    return true;
}

} // namespace
} // namespace corrolab::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace corrolab::fuzz;
    if (size == 0)
        return 0;
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    const size_t stdinStart = input.find(std::string_view("\0\0", 2));
    const std::string_view argText = input.substr(0, stdinStart);
    const std::string standardInput(
        stdinStart == std::string_view::npos ? std::string_view() : input.substr(stdinStart + 2));

    std::vector<std::string> args {kFirst[data[0] % kFirst.size()]};
    size_t start = 0;
    while (start <= argText.size() && args.size() < 12) {
        const size_t end = std::min(argText.find('\0', start), argText.size());
        std::string arg(argText.substr(start, end - start));
        if (NamesAFile(arg))
            return 0;
        if (!arg.empty() || end < argText.size())
            args.push_back(std::move(arg));
        start = end + 1;
    }

    std::istringstream in(standardInput);
    std::ostringstream out;
    std::ostringstream err;
    const int status = corrolab::RunCommandLine(args, in, out, err, "/nonexistent-corrolab");
    const std::string outText = out.str();
    const std::string errText = err.str();

    if (status != 0 && status != 1 && status != 2)
        Fail(__FILE__, __LINE__, "exit status is 0, 1 or 2");
    if (status == 1 && args[0] != "material" && Count(errText, '\n') != 1)
        Fail(__FILE__, __LINE__, "a failed request is reported in one line");
    if (status == 1 && args[0] != "material" && !outText.empty())
        Fail(__FILE__, __LINE__, "a failed request prints no result");
    if (status == 2 && errText.find("Usage: corrolab") == std::string::npos)
        Fail(__FILE__, __LINE__, "wrong usage prints the usage");
    if (status == 0 && !OnlyNotes(errText))
        Fail(__FILE__, __LINE__, "success says at most which number a value was read as");
    if (args[0] == "convert" && status == 0 && ShowsNonFinite(outText))
        Fail(__FILE__, __LINE__, "no conversion result shows inf or nan");
    return 0;
}
