// Corrolab: corrosion-rate, unit and currency conversion for corrosion engineers.
// This program runs the command line; it starts the windows program for
// everything else, so that a conversion never loads the window libraries.
#include "cli/command_line.h"
#include "cli/windows_launcher.h"

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    const std::vector<std::string> args(argv + std::min(argc, 1), argv + argc);
    const std::filesystem::path folder = corrolab::ProgramFolder(argc > 0 ? argv[0] : "");
    if (!corrolab::IsCommandLine(args))
        return corrolab::StartWindows(folder, args, std::cerr);
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr); // no flush of the results before every line read
    return corrolab::RunCommandLine(args, std::cin, std::cout, std::cerr, folder);
}
