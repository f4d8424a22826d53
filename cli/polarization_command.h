#pragma once

#include "cli/subcommand.h"

#include <string>
#include <vector>

namespace corrolab {

// The usage lines of `corrolab polarization` for the program's --help.
extern const char* const kPolarizationUsage;
// Its --help.
extern const char* const kPolarizationHelp;

// Runs `corrolab polarization FILE [options]` (the arguments after the
// subcommand): the labelled figures, a failure naming the file and the reason
// for a file or a material that gives no result, a usage error for wrong usage.
int RunPolarizationCommand(const std::vector<std::string>& args, CommandContext& context);

} // namespace corrolab
