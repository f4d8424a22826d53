#include "currency/http_get.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace corrolab {

namespace {

// What the fetch program may say on standard error: one line is expected.
constexpr std::size_t kLargestMessage = 4096;
// The fetch program keeps its own time limit; this one only stops a program
// that hangs past it.
constexpr long kGraceMs = 5000;

template <typename Number> std::optional<Number> WholeNumber(const std::string& text)
{
    Number value {};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

class Descriptor
{
public:
    Descriptor() = default;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() { Close(); }
    void Reset(int fd)
    {
        Close();
        fd_ = fd;
    }
    int get() const { return fd_; }
    void Close()
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_ = -1;
};

struct Pipe
{
    Descriptor read;
    Descriptor write;
};

bool OpenPipe(Pipe& pipe)
{
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        return false;
    pipe.read.Reset(ends[0]);
    pipe.write.Reset(ends[1]);
    return true;
}

std::string FirstLine(const std::string& text)
{
    return text.substr(0, text.find('\n'));
}

} // namespace

std::vector<std::string> FetchArguments(const FetchRequest& request)
{
    return {"--timeout-ms", std::to_string(request.limits.timeoutMs), "--largest-body",
        std::to_string(request.limits.largestBody), "--redirects",
        std::to_string(request.limits.redirects), request.url};
}

std::optional<FetchRequest> ParseFetchArguments(const std::vector<std::string>& args)
{
    FetchRequest request;
    std::size_t i = 0;
    for (; i + 1 < args.size(); i += 2) {
        const std::string& name = args[i];
        const std::string& value = args[i + 1];
        if (name == "--timeout-ms") {
            const auto number = WholeNumber<long>(value);
            if (!number)
                return std::nullopt;
            request.limits.timeoutMs = *number;
        } else if (name == "--largest-body") {
            const auto number = WholeNumber<std::size_t>(value);
            if (!number)
                return std::nullopt;
            request.limits.largestBody = *number;
        } else if (name == "--redirects") {
            const auto number = WholeNumber<long>(value);
            if (!number)
                return std::nullopt;
            request.limits.redirects = *number;
        } else {
            break;
        }
    }
    if (i + 1 != args.size() || args[i].empty() || args[i].starts_with("-"))
        return std::nullopt;
    request.url = args[i];
    return request;
}

std::string DurationText(long milliseconds)
{
    if (milliseconds % 1000 == 0)
        return std::to_string(milliseconds / 1000) + " s";
    return std::to_string(milliseconds) + " ms";
}

std::variant<std::string, HttpFailure> HttpGet(
    const std::filesystem::path& fetchProgram, const std::string& url, const HttpLimits& limits)
{
    const std::string cannotStart
        = "the download program " + fetchProgram.string() + " cannot be started";
    Pipe body;
    Pipe message;
    if (!OpenPipe(body) || !OpenPipe(message))
        return HttpFailure {cannotStart + ": " + std::strerror(errno)};

    std::string program = fetchProgram.string();
    std::vector<std::string> args = FetchArguments({url, limits});
    std::vector<char*> argv {program.data()};
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, body.write.get(), 1);
    posix_spawn_file_actions_adddup2(&actions, message.write.get(), 2);
    pid_t child = 0;
    const int started
        = ::posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    body.write.Close();
    message.write.Close();
    if (started != 0)
        return HttpFailure {cannotStart + ": " + std::strerror(started)};

    std::string text;
    std::string said;
    bool tooLarge = false;
    bool timedOut = false;
    const auto deadline
        = std::chrono::steady_clock::now() + std::chrono::milliseconds(limits.timeoutMs + kGraceMs);
    std::array<pollfd, 2> watched {{{body.read.get(), POLLIN, 0}, {message.read.get(), POLLIN, 0}}};
    std::array<char, 65536> chunk;
    while (watched[0].fd >= 0 || watched[1].fd >= 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            timedOut = true;
            break;
        }
        const int ready = ::poll(watched.data(), watched.size(), static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0)
            break;
        for (std::size_t i = 0; i < watched.size(); ++i) {
            if (watched[i].fd < 0 || watched[i].revents == 0)
                continue;
            const ssize_t count = ::read(watched[i].fd, chunk.data(), chunk.size());
            if (count < 0 && errno == EINTR)
                continue;
            if (count <= 0) {
                watched[i].fd = -1;
                continue;
            }
            std::string& into = i == 0 ? text : said;
            const std::size_t room = (i == 0 ? limits.largestBody : kLargestMessage) - into.size();
            into.append(chunk.data(), std::min(room, static_cast<std::size_t>(count)));
            if (i == 0 && static_cast<std::size_t>(count) > room) {
                tooLarge = true;
                watched[0].fd = -1;
                watched[1].fd = -1;
            }
        }
    }
    if (timedOut || tooLarge)
        ::kill(child, SIGKILL);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) { }

    if (tooLarge)
        return HttpFailure {"the answer is larger than a rates file can be"};
    if (timedOut)
        return HttpFailure {"no complete answer within " + DurationText(limits.timeoutMs)};
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        return text;
    const std::string line = FirstLine(said);
    if (!line.empty())
        return HttpFailure {line};
    if (WIFEXITED(status) && WEXITSTATUS(status) == 127)
        return HttpFailure {cannotStart};
    return HttpFailure {
        "the download program " + fetchProgram.string() + " stopped without an answer"};
}

} // namespace corrolab
