#include "datafiles/data_folders.h"

#include "datafiles/program_files.h"

#include <algorithm>
#include <cstdlib>

namespace corrolab {

namespace {

constexpr const char* kFolderName = "corrolab";

// A variable that names an absolute folder; relative values are ignored, as the
// XDG base directory rules ask.
std::optional<std::filesystem::path> AbsoluteFolder(
    const Environment& environment, const char* name)
{
    const std::optional<std::string> value = environment(name);
    if (!value || value->empty() || !std::filesystem::path(*value).is_absolute())
        return std::nullopt;
    return std::filesystem::path(*value);
}

std::vector<std::filesystem::path> SystemDataDirs(const Environment& environment)
{
    std::string value = environment("XDG_DATA_DIRS").value_or("");
    if (value.empty())
        value = "/usr/local/share/:/usr/share/";
    std::vector<std::filesystem::path> dirs;
    size_t start = 0;
    while (start <= value.size()) {
        const size_t end = std::min(value.find(':', start), value.size());
        const std::filesystem::path dir = value.substr(start, end - start);
        if (dir.is_absolute())
            dirs.push_back(dir);
        start = end + 1;
    }
    return dirs;
}

// share/corrolab of the prefix the executable was installed under: bin/ holds
// corrolab, libexec/corrolab/ the command line and the windows.
std::vector<std::filesystem::path> InstalledDataFolders(const std::filesystem::path& program)
{
    std::vector<std::filesystem::path> folders {program / ".." / "share" / kFolderName};
    if (program.filename() == kFolderName && program.parent_path().filename() == "libexec")
        folders.push_back(program / ".." / ".." / "share" / kFolderName);
    return folders;
}

std::filesystem::path Tidy(const std::filesystem::path& folder)
{
    std::filesystem::path tidy = folder.lexically_normal();
    if (tidy.has_relative_path() && tidy.filename().empty())
        tidy = tidy.parent_path(); // no trailing separator
    return tidy;
}

} // namespace

Environment ProcessEnvironment()
{
    return [](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        if (!value)
            return std::nullopt;
        return std::string(value);
    };
}

std::filesystem::path UserDataFolder(const Environment& environment)
{
    if (const auto dataHome = AbsoluteFolder(environment, "XDG_DATA_HOME"))
        return Tidy(*dataHome / kFolderName);
    if (const auto home = AbsoluteFolder(environment, "HOME"))
        return Tidy(*home / ".local" / "share" / kFolderName);
    return {};
}

std::vector<DataFolder> DataSearchFolders(const std::filesystem::path& userFolder,
    const std::filesystem::path& programFolder, const Environment& environment)
{
    std::vector<DataFolder> folders;
    const auto add = [&folders](const std::filesystem::path& path, DataFolderKind kind) {
        if (path.empty())
            return;
        const std::filesystem::path tidy = Tidy(path);
        if (std::ranges::none_of(folders, [&tidy](const DataFolder& f) { return f.path == tidy; }))
            folders.push_back({tidy, kind});
    };
    add(userFolder, DataFolderKind::User);
    add(programFolder, DataFolderKind::Program);
    if (!programFolder.empty())
        for (const std::filesystem::path& installed : InstalledDataFolders(programFolder))
            add(installed, DataFolderKind::Installed);
    for (const std::filesystem::path& dir : SystemDataDirs(environment))
        add(dir / kFolderName, DataFolderKind::System);
    return folders;
}

std::optional<FoundDataFile> FindDataFile(
    const std::vector<DataFolder>& folders, std::string_view name)
{
    for (const DataFolder& folder : folders)
        if (const auto file = FindFileIgnoringCase(folder.path, name))
            return FoundDataFile {*file, folder.kind};
    return std::nullopt;
}

std::filesystem::path UserFolderOf(const std::vector<DataFolder>& folders)
{
    const auto user = std::ranges::find(folders, DataFolderKind::User, &DataFolder::kind);
    return user == folders.end() ? std::filesystem::path() : user->path;
}

std::string DescribeKind(DataFolderKind kind)
{
    switch (kind) {
    case DataFolderKind::User:
        return "user data folder";
    case DataFolderKind::Program:
        return "program folder";
    case DataFolderKind::Installed:
        return "installed";
    case DataFolderKind::System:
        return "system data folder";
    }
    return {};
}

bool MayEditInPlace(DataFolderKind kind)
{
    return kind == DataFolderKind::User || kind == DataFolderKind::Program;
}

} // namespace corrolab
