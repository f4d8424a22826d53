#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corrolab {

// A file of a folder, found whatever the letter case of its name, so that
// "currency.txt" and "Currency.txt" are the same file on every file system.
std::optional<std::filesystem::path> FindFileIgnoringCase(
    const std::filesystem::path& folder, std::string_view name);

// Where a program of Corrolab's own (the windows, the downloader) is looked for,
// in order: beside the running program, then where an installation puts it
// (../libexec/corrolab/ from the running program's folder).
std::vector<std::filesystem::path> HelperProgramPlaces(
    const std::filesystem::path& programFolder, std::string_view name);

// The first of those places that holds an executable file.
std::optional<std::filesystem::path> FindHelperProgram(
    const std::filesystem::path& programFolder, std::string_view name);

// Where a module of the windows program (corrolab-polarization...) is looked
// for, in order: beside the windows program, then where an installation puts
// it (lib/corrolab/, found from libexec/corrolab/). The file name is MODULE.so.
std::vector<std::filesystem::path> ModulePlaces(
    const std::filesystem::path& programFolder, std::string_view module);

// The first of those places that holds a regular file.
std::optional<std::filesystem::path> FindModule(
    const std::filesystem::path& programFolder, std::string_view module);

// Why a file of those places was not found, for a message: "corrolab-print.so
// is neither in A nor in B", the places' folders in order.
std::string NotInPlacesText(const std::vector<std::filesystem::path>& places);

// The content of a file, read at once and closed, the file never written or kept
// open. Reading stops after `maxBytes`, so that a device or a runaway file
// (/dev/zero) cannot stall the program. std::nullopt when it cannot be opened.
std::optional<std::string> ReadFileUpTo(const std::filesystem::path& path, size_t maxBytes);

} // namespace corrolab
