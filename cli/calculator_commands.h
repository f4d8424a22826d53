#pragma once

#include "cli/subcommand.h"

#include <string_view>
#include <vector>

namespace corrolab {

// The corrosion calculators on the command line, rows of the subcommand table:
// massloss, lpr and life. Each prints labelled lines; life counts from the
// context's today unless --measured gives the date.
std::vector<Subcommand> CalculatorSubcommands();
bool IsCalculatorCommand(std::string_view name);

} // namespace corrolab
