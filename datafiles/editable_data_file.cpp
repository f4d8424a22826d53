#include "datafiles/editable_data_file.h"

namespace corrolab {

namespace {

bool EditInPlace(const FoundDataFile& inUse, bool writable)
{
    return inUse.kind == DataFolderKind::User || (writable && MayEditInPlace(inUse.kind));
}

} // namespace

EditableFile MakeEditable(
    const FoundDataFile& inUse, bool writable, const std::filesystem::path& userFolder)
{
    if (EditInPlace(inUse, writable))
        return {inUse.file, false, {}};
    if (userFolder.empty())
        return {{}, false,
            "There is no data folder of your own to copy " + inUse.file.filename().string()
                + " to (HOME is not set)."};

    const std::filesystem::path copy = userFolder / inUse.file.filename();
    std::error_code error;
    std::filesystem::create_directories(userFolder, error);
    if (!error)
        std::filesystem::copy_file(inUse.file, copy, std::filesystem::copy_options::none, error);
    if (!error)
        std::filesystem::permissions(copy,
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write,
            std::filesystem::perm_options::add, error);
    if (error)
        return {{}, false,
            "Could not copy " + inUse.file.string() + " to " + copy.string() + ": "
                + error.message()};
    return {copy, true, {}};
}

std::filesystem::path FolderForEdits(
    const FoundDataFile& inUse, bool writable, const std::filesystem::path& userFolder)
{
    if (EditInPlace(inUse, writable) || userFolder.empty())
        return inUse.file.parent_path();
    return userFolder;
}

std::string CopiedForEditingMessage(
    const std::filesystem::path& original, const std::filesystem::path& copy)
{
    return "You cannot change " + original.string() + ", so Corrolab has copied it to\n"
        + copy.string() + "\nand opens the copy. From now on Corrolab reads the copy.";
}

} // namespace corrolab
