#include "currency/rates_file_writer.h"

#include "currency/rates_reader.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace corrolab {

namespace {

constexpr std::string_view kTemporaryPrefix = ".Currency.txt.";
constexpr size_t kTemporaryTail = 6; // the XXXXXX mkstemp fills in

std::string SystemError(const std::string& what, int error)
{
    return what + ": " + std::strerror(error);
}

// A descriptor closed when it goes out of scope.
class Descriptor
{
public:
    explicit Descriptor(int descriptor)
        : descriptor_(descriptor)
    { }
    ~Descriptor()
    {
        if (descriptor_ >= 0)
            ::close(descriptor_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return descriptor_; }
    // Closes now; false (errno set) when the close reports a failed write.
    bool Close()
    {
        const int descriptor = descriptor_;
        descriptor_ = -1;
        return ::close(descriptor) == 0;
    }

private:
    int descriptor_;
};

bool WriteAll(int descriptor, const char* data, size_t size)
{
    size_t written = 0;
    while (written < size) {
        const ssize_t n = ::write(descriptor, data + written, size - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        written += static_cast<size_t>(n);
    }
    return true;
}

// Copies what a descriptor holds to another, in pieces.
bool CopyAll(int from, int to)
{
    std::vector<char> piece(64 * 1024);
    while (true) {
        const ssize_t n = ::read(from, piece.data(), piece.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        if (!WriteAll(to, piece.data(), static_cast<size_t>(n)))
            return false;
    }
}

void SyncFolder(const std::filesystem::path& folder)
{
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

// A temporary that stays only while the replacement is under way.
struct Temporary
{
    std::string path;
    ~Temporary()
    {
        if (!path.empty())
            ::unlink(path.c_str());
    }
};

// Makes a temporary in the folder, fills it with `fill`, gives it `mode` and
// flushes it; the reason when any step fails.
template <typename Fill>
std::optional<std::string> WriteTemporary(const std::filesystem::path& folder, mode_t mode,
    Temporary& temporary, const std::string& what, Fill fill)
{
    std::string name = (folder / (std::string(kTemporaryPrefix) + "XXXXXX")).string();
    Descriptor file(::mkostemp(name.data(), O_CLOEXEC));
    if (file.get() < 0)
        return SystemError("no temporary file can be made in " + folder.string(), errno);
    temporary.path = name;
    if (!fill(file.get()) || ::fchmod(file.get(), mode) != 0 || ::fsync(file.get()) != 0
        || !file.Close())
        return SystemError(what, errno);
    return std::nullopt;
}

// Removes the temporaries an import killed midway left: while the lock is held
// no other import has one open.
void RemoveStaleTemporaries(const std::filesystem::path& folder)
{
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() != kTemporaryPrefix.size() + kTemporaryTail
            || !name.starts_with(kTemporaryPrefix))
            continue;
        bool ours = true;
        for (const char c : name.substr(kTemporaryPrefix.size()))
            ours = ours && std::isalnum(static_cast<unsigned char>(c));
        std::error_code kind;
        if (ours && !entry.is_directory(kind))
            ::unlink(entry.path().c_str());
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

    const std::filesystem::path lockPath = folder / kRatesLockFileName;
    Descriptor lock(::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (lock.get() < 0)
        return SystemError(
            "the rates file's lock " + lockPath.string() + " cannot be opened", errno);
    while (::flock(lock.get(), LOCK_EX) != 0)
        if (errno != EINTR)
            return SystemError(
                "the rates file's lock " + lockPath.string() + " cannot be taken", errno);
    RemoveStaleTemporaries(folder);

    const std::filesystem::path target
        = FindRatesFile(folder).value_or(folder / std::string(kRatesFileName));
    const std::string backupPath = target.string() + ".bak";
    // The old file is read, never written: its content goes to the backup.
    Descriptor old(::open(target.c_str(), O_RDONLY | O_CLOEXEC));
    if (old.get() < 0 && errno != ENOENT)
        return SystemError("the rates file " + target.string() + " cannot be read", errno);
    mode_t mode = 0644;
    if (old.get() >= 0) {
        struct stat status
        {
        };
        if (::fstat(old.get(), &status) != 0)
            return SystemError("the rates file " + target.string() + " cannot be read", errno);
        if (S_ISREG(status.st_mode))
            mode = status.st_mode & 07777;
    }

    Temporary backup;
    if (old.get() >= 0) {
        if (auto problem = WriteTemporary(folder, mode, backup,
                "the previous rates file cannot be kept as " + backupPath,
                [&](int to) { return CopyAll(old.get(), to); }))
            return problem;
    }
    Temporary fresh;
    if (auto problem = WriteTemporary(folder, mode, fresh,
            "the new rates file cannot be written in " + folder.string(),
            [&](int to) { return WriteAll(to, content.data(), content.size()); }))
        return problem;

    if (!backup.path.empty()) {
        if (::rename(backup.path.c_str(), backupPath.c_str()) != 0)
            return SystemError("the previous rates file cannot be kept as " + backupPath, errno);
        backup.path.clear();
    }
    if (::rename(fresh.path.c_str(), target.c_str()) != 0)
        return SystemError("the rates file " + target.string() + " cannot be replaced", errno);
    fresh.path.clear();
    SyncFolder(folder);
    return std::nullopt;
}

} // namespace corrolab
