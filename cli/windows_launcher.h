#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace corrolab {

// The windows run as a program of their own, so that the command line never
// loads the window libraries.
inline constexpr std::string_view kWindowsProgramName = "corrolab-windows";

// The folder of the running executable, found without any window library.
std::filesystem::path ProgramFolder(const char* argv0);

// Replaces this process by the windows program, passing the arguments (those
// after the program name) through. Returns only when that fails, after one line
// on `err`, with the exit status 1.
int StartWindows(const std::filesystem::path& programFolder, const std::vector<std::string>& args,
    std::ostream& err);

} // namespace corrolab
