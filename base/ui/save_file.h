#pragma once

#include <QIODevice>

#include <filesystem>
#include <functional>

namespace corrolab {

// Writes a file the user chose through a temporary that replaces it at the end,
// so that a failed write leaves the old file whole; a symbolic link is refused,
// not followed. False when anything fails.
bool WriteFileAtomically(
    const std::filesystem::path& file, const std::function<bool(QIODevice&)>& write);

} // namespace corrolab
