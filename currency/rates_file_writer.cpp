#include "currency/rates_file_writer.h"

#include "currency/rates_reader.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corrolab {

namespace {

std::string SystemError(const std::string& what, int error)
{
    return what + ": " + std::strerror(error);
}

// Writes all of the content to a descriptor and flushes it to the disk.
bool WriteAndSync(int descriptor, const std::string& content)
{
    size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = ::write(descriptor, content.data() + written, content.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += static_cast<size_t>(n);
    }
    return ::fsync(descriptor) == 0;
}

void SyncFolder(const std::filesystem::path& folder)
{
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

} // namespace

std::optional<std::string> ReplaceRatesFile(
    const std::filesystem::path& folder, const std::string& content)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        return "the folder " + folder.string() + " cannot be created: " + error.message();
    const std::filesystem::path target
        = FindRatesFile(folder).value_or(folder / std::string(kRatesFileName));

    std::string temporary = (folder / ".Currency.txt.XXXXXX").string();
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0)
        return SystemError("no temporary file can be made in " + folder.string(), errno);
    const bool written = WriteAndSync(descriptor, content);
    const int writeError = errno;
    if (::close(descriptor) != 0 || !written) {
        ::unlink(temporary.c_str());
        return SystemError("the new rates file cannot be written in " + folder.string(),
            written ? errno : writeError);
    }
    ::chmod(temporary.c_str(), 0644);

    if (std::filesystem::exists(target)) {
        std::filesystem::copy_file(target, target.string() + ".bak",
            std::filesystem::copy_options::overwrite_existing, error);
        if (error) {
            ::unlink(temporary.c_str());
            return "the previous rates file cannot be kept as " + target.string()
                + ".bak: " + error.message();
        }
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(temporary.c_str());
        return SystemError(
            "the rates file " + target.string() + " cannot be replaced", renameError);
    }
    SyncFolder(folder);
    return std::nullopt;
}

} // namespace corrolab
