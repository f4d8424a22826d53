#include "base/shared_library.h"

#include "base/text.h"

#include <dlfcn.h>

#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>

namespace corrolab {

const SharedLibrary& SharedLibrary::Open(const std::string& name, bool global)
{
    static std::mutex mutex;
    static std::map<std::string, std::unique_ptr<SharedLibrary>> opened;
    const std::lock_guard lock(mutex);
    if (const auto found = opened.find(name); found != opened.end())
        return *found->second;
    // RTLD_NOW: a missing symbol of its own fails here, once, not in the middle of a read.
    void* handle = ::dlopen(name.c_str(), RTLD_NOW | (global ? RTLD_GLOBAL : RTLD_LOCAL));
    if (handle == nullptr) {
        const char* reason = ::dlerror();
        throw std::runtime_error(OneLine(
            "cannot load " + name + ": " + (reason != nullptr ? reason : "unknown reason")));
    }
    auto library = std::unique_ptr<SharedLibrary>(new SharedLibrary(name, handle));
    return *opened.emplace(name, std::move(library)).first->second;
}

void* SharedLibrary::Address(const char* symbol) const
{
    ::dlerror();
    void* address = ::dlsym(handle_, symbol);
    if (address == nullptr)
        throw std::runtime_error(OneLine(name_ + " has no " + symbol));
    return address;
}

} // namespace corrolab
