#pragma once

#include <chrono>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace corrolab {

// Whether the arguments ask for a command-line path rather than the windows.
bool IsCommandLine(const std::vector<std::string>& args);

// Runs `corrolab convert|material|units|alloys|rates|--help|--version` with the
// arguments after the program name. Never opens a window; only `rates` writes a
// file (the rates file of the user's data folder).
// Returns the exit status: 0 done, 1 a failed request, 2 wrong usage.
// `today` is the date `life` counts from (without --measured) and the rates
// import's date; the local date when empty.
int RunCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
    std::ostream& err, const std::filesystem::path& programFolder,
    std::optional<std::chrono::year_month_day> today = std::nullopt);

} // namespace corrolab
