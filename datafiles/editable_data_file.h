#pragma once

#include "datafiles/data_folders.h"

#include <filesystem>
#include <string>

namespace corrolab {

// The file the user is to edit, and how it came about.
struct EditableFile
{
    std::filesystem::path file; // empty when there is nothing to edit
    bool copied = false; // a copy was made in the user's data folder
    std::string problem; // why no editable file could be given
};

// The file to open for editing the data file in use. A file the user may write,
// in the user's data folder or the program's folder, is edited where it is. Any
// other (read-only, or installed under share/) is first copied into the user's
// data folder, which is searched first, so that the copy is used from then on;
// nothing is ever written over the original. The copy can be written by its owner.
EditableFile MakeEditable(
    const FoundDataFile& inUse, bool writable, const std::filesystem::path& userFolder);

// The folder where a changed file belongs: the folder of the file in use when it
// may be edited there, else the user's data folder.
std::filesystem::path FolderForEdits(
    const FoundDataFile& inUse, bool writable, const std::filesystem::path& userFolder);

// What the user is told once, when the copy has been made.
std::string CopiedForEditingMessage(
    const std::filesystem::path& original, const std::filesystem::path& copy);

} // namespace corrolab
