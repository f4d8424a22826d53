#pragma once

// The command line run inside the test process, with string streams standing in
// for standard input, output and error.
#include "cli/command_line.h"
#include "tests/support/process_result.h"

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace corrolab {

// Runs the command line with the arguments and standard input; the program's
// own data files are looked for in `programFolder`.
inline ProcessResult RunCommandLineInProcess(const std::vector<std::string>& args,
    const std::string& input, const std::filesystem::path& programFolder)
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCommandLine(args, in, out, err, programFolder);
    return {status, out.str(), err.str()};
}

} // namespace corrolab
