#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace corrolab {

// Replaces the rates file of a folder safely: the content goes to a temporary
// file in the same folder, is flushed to the disk, and is renamed over the old
// file, which is first copied to "Currency.txt.bak". The folder is created when
// missing. The reason when it fails; the old file is then untouched.
std::optional<std::string> ReplaceRatesFile(
    const std::filesystem::path& folder, const std::string& content);

} // namespace corrolab
