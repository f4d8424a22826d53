#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace corrolab {

// The lock file that serialises the writers of a folder's rates file.
inline constexpr const char* kRatesLockFileName = ".Currency.txt.lock";

// Replaces the rates file of a folder safely, for the windows and the command
// line alike. Imports into one folder take turns (a lock file); temporaries a
// killed import left behind are removed. The old file is copied to a temporary
// and the new content written to another, both in the same folder, flushed to
// the disk and given the old file's mode; only when both are whole are they
// renamed over "Currency.txt.bak" and the rates file. A rename replaces a
// symbolic link rather than writing through it. The folder is created when
// missing. The reason when it fails ("No space left on device"); nothing is
// then changed.
std::optional<std::string> ReplaceRatesFile(
    const std::filesystem::path& folder, const std::string& content);

} // namespace corrolab
