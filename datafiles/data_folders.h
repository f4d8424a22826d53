#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corrolab {

// The data files the program reads: the exchange rates, the user guide and the unit list.
inline constexpr std::string_view kHelpFileName = "help.txt";
inline constexpr std::string_view kUnitListFileName = "units.txt";

// An environment variable's value; std::nullopt when it is not set.
using Environment = std::function<std::optional<std::string>(const char* name)>;

// The environment of the running process.
Environment ProcessEnvironment();

// The user's own data folder: $XDG_DATA_HOME/corrolab, else ~/.local/share/corrolab.
// It need not exist yet. Empty when neither variable gives an absolute folder.
// Files the program writes for the user (a copy of the rates to edit, fetched
// rates) go here; it is searched first.
std::filesystem::path UserDataFolder(const Environment& environment = ProcessEnvironment());

enum class DataFolderKind {
    User, // the user's own data folder
    Program, // the executable's folder: a build folder or an unpacked copy
    Installed, // share/corrolab beside the installed executable
    System, // corrolab/ in a folder of $XDG_DATA_DIRS
};

struct DataFolder
{
    std::filesystem::path path;
    DataFolderKind kind;
};

// Where the data files are looked for, in this order: the user's data folder,
// the program's own folder, share/corrolab relative to the executable (from bin/
// or from libexec/corrolab/), then corrolab/ in each folder of $XDG_DATA_DIRS
// (/usr/local/share and /usr/share when it is not set). A folder met twice is
// kept at its first place. The windows pass their own user folder; the command
// line passes UserDataFolder().
std::vector<DataFolder> DataSearchFolders(const std::filesystem::path& userFolder,
    const std::filesystem::path& programFolder,
    const Environment& environment = ProcessEnvironment());

struct FoundDataFile
{
    std::filesystem::path file;
    DataFolderKind kind;
};

// The first of the folders that holds the file, its name matched whatever its case.
std::optional<FoundDataFile> FindDataFile(
    const std::vector<DataFolder>& folders, std::string_view name);

// The user's data folder of a search list; empty when it has none.
std::filesystem::path UserFolderOf(const std::vector<DataFolder>& folders);

// "user data folder", "program folder", "installed", "system data folder".
std::string DescribeKind(DataFolderKind kind);

// Whether the program may let the user edit a file of this kind where it is: only
// in the user's own folder or the program's folder. Installed and system files
// belong to the package manager and are never edited in place.
bool MayEditInPlace(DataFolderKind kind);

} // namespace corrolab
