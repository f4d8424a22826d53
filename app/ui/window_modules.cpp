#include "app/ui/window_modules.h"

#include "base/shared_library.h"
#include "datafiles/program_files.h"

#include <map>
#include <mutex>
#include <stdexcept>

namespace corrolab {

namespace {

std::mutex& ProvidedMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::map<std::string, void*>& Provided()
{
    static std::map<std::string, void*> entries;
    return entries;
}

} // namespace

void ProvideModuleEntry(const char* entry, void* address)
{
    const std::lock_guard lock(ProvidedMutex());
    if (address)
        Provided()[entry] = address;
    else
        Provided().erase(entry);
}

void* ModuleEntryAddress(
    const std::filesystem::path& programFolder, const std::string& module, const char* entry)
{
    {
        const std::lock_guard lock(ProvidedMutex());
        if (const auto found = Provided().find(entry); found != Provided().end())
            return found->second;
    }
    const std::optional<std::filesystem::path> file = FindModule(programFolder, module);
    if (!file)
        throw std::runtime_error(NotInPlacesText(ModulePlaces(programFolder, module)));
    return SharedLibrary::Open(file->string()).Address(entry);
}

} // namespace corrolab
