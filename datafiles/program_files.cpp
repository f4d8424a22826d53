#include "datafiles/program_files.h"

#include "base/text.h"

#include <unistd.h>

namespace corrolab {

std::optional<std::filesystem::path> FindFileIgnoringCase(
    const std::filesystem::path& folder, std::string_view name)
{
    std::error_code error;
    const std::filesystem::path exact = folder / name;
    if (std::filesystem::is_regular_file(exact, error))
        return exact;
    const std::string wanted = AsciiCapitals(name);
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        if (AsciiCapitals(it->path().filename().string()) == wanted
            && std::filesystem::is_regular_file(it->path(), error))
            return it->path();
    }
    return std::nullopt;
}

std::vector<std::filesystem::path> HelperProgramPlaces(
    const std::filesystem::path& programFolder, std::string_view name)
{
    return {programFolder / name,
        (programFolder / ".." / "libexec" / "corrolab" / name).lexically_normal()};
}

std::optional<std::filesystem::path> FindHelperProgram(
    const std::filesystem::path& programFolder, std::string_view name)
{
    for (const std::filesystem::path& place : HelperProgramPlaces(programFolder, name)) {
        std::error_code error;
        if (std::filesystem::is_regular_file(place, error) && ::access(place.c_str(), X_OK) == 0)
            return place;
    }
    return std::nullopt;
}

} // namespace corrolab
