#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace corrolab {

// A file of a folder, found whatever the letter case of its name, so that
// "currency.txt" and "Currency.txt" are the same file on every file system.
std::optional<std::filesystem::path> FindFileIgnoringCase(
    const std::filesystem::path& folder, std::string_view name);

// The content of a file, read at once and closed, the file never written or kept
// open. Reading stops after `maxBytes`, so that a device or a runaway file
// (/dev/zero) cannot stall the program. std::nullopt when it cannot be opened.
std::optional<std::string> ReadFileUpTo(const std::filesystem::path& path, size_t maxBytes);

} // namespace corrolab
