#include "datafiles/program_files.h"

#include "base/text.h"

#include <unistd.h>

#include <algorithm>
#include <fstream>

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

namespace {

// The first of `places` that holds a regular file (one that may be run, where
// `executable`).
std::optional<std::filesystem::path> FirstFile(
    const std::vector<std::filesystem::path>& places, bool executable)
{
    for (const std::filesystem::path& place : places) {
        std::error_code error;
        if (std::filesystem::is_regular_file(place, error)
            && (!executable || ::access(place.c_str(), X_OK) == 0))
            return place;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::filesystem::path> FindHelperProgram(
    const std::filesystem::path& programFolder, std::string_view name)
{
    return FirstFile(HelperProgramPlaces(programFolder, name), true);
}

std::vector<std::filesystem::path> ModulePlaces(
    const std::filesystem::path& programFolder, std::string_view module)
{
    const std::string file = std::string(module) + ".so";
    return {programFolder / file,
        (programFolder / CORROLAB_MODULES_FROM_WINDOWS / file).lexically_normal()};
}

std::optional<std::filesystem::path> FindModule(
    const std::filesystem::path& programFolder, std::string_view module)
{
    return FirstFile(ModulePlaces(programFolder, module), false);
}

std::string NotInPlacesText(const std::vector<std::filesystem::path>& places)
{
    std::string text = places.front().filename().string() + " is neither in ";
    for (size_t k = 0; k < places.size(); ++k)
        text += (k == 0 ? "" : " nor in ") + places[k].parent_path().string();
    return OneLine(text);
}

std::optional<std::string> ReadFileUpTo(const std::filesystem::path& path, size_t maxBytes)
{
    // Read in pieces: a device or a pipe tells no size, and a regular file may
    // grow while it is read. Only what the file holds is ever allocated.
    constexpr size_t kPiece = 16 * 1024;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string content;
    while (content.size() < maxBytes) {
        const size_t start = content.size();
        const size_t wanted = std::min(kPiece, maxBytes - start);
        content.resize(start + wanted);
        in.read(content.data() + start, static_cast<std::streamsize>(wanted));
        const auto got = static_cast<size_t>(in.gcount());
        content.resize(start + got);
        if (got < wanted)
            break;
    }
    return content;
}

} // namespace corrolab
