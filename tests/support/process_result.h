#pragma once

// Running a program in a shell and reading what it wrote, for the tests that
// look at a whole process: exit status, standard output and standard error.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>

namespace corrolab {

struct ProcessResult
{
    int status;
    std::string out;
    std::string err;
};

// The argument in single quotes, safe to hand to the shell as one word.
inline std::string ShellQuoted(const std::string& arg)
{
    std::string quoted = "'";
    for (char c : arg)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

inline std::string Slurp(const std::filesystem::path& file)
{
    std::ifstream in(file);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline size_t Lines(const std::string& text)
{
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

// Runs the shell command with standard input read from `input`; its output and
// errors go through files "out" and "err" in the `scratch` folder.
inline ProcessResult RunShellCommand(
    std::string command, const std::filesystem::path& input, const std::filesystem::path& scratch)
{
    command += " <" + ShellQuoted(input.string()) + " >" + ShellQuoted((scratch / "out").string())
        + " 2>" + ShellQuoted((scratch / "err").string());
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(scratch / "out"), Slurp(scratch / "err")};
}

} // namespace corrolab
