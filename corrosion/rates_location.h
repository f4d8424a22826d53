#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace corrolab {

// The user's data folder on the command line: $XDG_DATA_HOME/corrolab, else
// ~/.local/share/corrolab. Empty when neither variable is set.
std::filesystem::path CommandLineDataFolder();

// The rates file in use: the one in the user's data folder (where imports write),
// else the one beside the program.
std::optional<std::filesystem::path> RatesFileInUse(
    const std::filesystem::path& dataFolder, const std::filesystem::path& programFolder);

// Replaces the rates file of a folder safely: the content goes to a temporary
// file in the same folder, is flushed to the disk, and is renamed over the old
// file, which is first copied to "Currency.txt.bak". The folder is created when
// missing. The reason when it fails; the old file is then untouched.
std::optional<std::string> ReplaceRatesFile(
    const std::filesystem::path& folder, const std::string& content);

} // namespace corrolab
