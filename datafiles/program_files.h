#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace corrolab {

// A file of a folder, found whatever the letter case of its name, so that
// "currency.txt" and "Currency.txt" are the same file on every file system.
std::optional<std::filesystem::path> FindFileIgnoringCase(
    const std::filesystem::path& folder, std::string_view name);

} // namespace corrolab
