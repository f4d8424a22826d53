#include "cli/windows_launcher.h"

#include "datafiles/program_files.h"

#include <cerrno>
#include <cstring>
#include <ostream>
#include <string>
#include <unistd.h>

namespace corrolab {

std::filesystem::path ProgramFolder(const char* argv0)
{
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        return self.parent_path();
    return std::filesystem::absolute(argv0, error).parent_path();
}

int StartWindows(const std::filesystem::path& programFolder, const std::vector<std::string>& args,
    std::ostream& err)
{
    if (const auto place = FindHelperProgram(programFolder, kWindowsProgramName)) {
        std::string program = place->string();
        std::vector<std::string> texts = args;
        std::vector<char*> argv {program.data()};
        for (std::string& text : texts)
            argv.push_back(text.data());
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        err << "corrolab: cannot start the windows (" << program << "): " << std::strerror(errno)
            << '\n';
        return 1;
    }
    err << "corrolab: cannot start the windows: "
        << NotInPlacesText(HelperProgramPlaces(programFolder, kWindowsProgramName)) << '\n';
    return 1;
}

} // namespace corrolab
