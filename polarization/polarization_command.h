#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace corrolab {

// The usage lines of `corrolab polarization` for the program's --help.
extern const char* const kPolarizationUsage;
// Its --help.
extern const char* const kPolarizationHelp;

// Runs `corrolab polarization FILE [options]` (the arguments after the
// subcommand): the labelled figures on `out`, or one line on `err` naming the
// file and the reason. Returns 0, 1 for a file or a material that gives no
// result, 2 for wrong usage.
int RunPolarizationCommand(
    const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace corrolab
