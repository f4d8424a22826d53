#pragma once

// Lets a test make writing a whole file fail, the way a full disk would.
#include <csignal>
#include <sys/resource.h>

namespace corrolab {

// While it lives, files this process writes may grow to `bytes` only; a write
// past that fails instead of stopping the process. The old limit and signal
// handling come back when it goes.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tight = saved_;
        tight.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &tight);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_ {};
    void (*previous_)(int) = nullptr;
};

} // namespace corrolab
