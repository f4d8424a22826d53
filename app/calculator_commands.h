#pragma once

#include <chrono>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace corrolab {

// The corrosion calculators on the command line: massloss, lpr, life and
// atmosphere.
bool IsCalculatorCommand(const std::string& name);

// The usage lines the program's --help lists for them.
extern const char* const kCalculatorUsage;

// Runs `args` (the subcommand first). Prints labelled lines; a bad value prints
// one line on `err` and returns 1, wrong usage returns 2. `today` is the date
// life counts from unless --measured gives one; by default the local date.
int RunCalculatorCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
    std::optional<std::chrono::year_month_day> today = std::nullopt);

} // namespace corrolab
