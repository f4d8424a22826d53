// Times one run of a program, whole process, from just before it is started
// (its standard output goes to /dev/null):
//   run_clock [--mapped] [--stdin FILE] -- PROGRAM [ARGS...]
// Without --mapped: until it exits; prints "<ms> <peak resident KiB> <exit status>
// <processor ms>" (user and system time: what a busy machine inflates least).
// With --mapped: until its first top-level window is mapped on the X display,
// told by the MapNotify event (no polling); prints "<ms> <resident KiB at that
// moment> 0 <processor ms of all its threads so far>" and then ends the program.
#include <X11/Xlib.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

long ResidentKib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

// Processor time of all threads of a process, from the scheduler's nanosecond
// counts (the first field of each thread's schedstat).
double ProcessorMs(pid_t pid)
{
    std::error_code error;
    double total = 0;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream stat(task.path() / "schedstat");
        double ns = 0;
        if (stat >> ns)
            total += ns / 1e6;
    }
    return total;
}

pid_t Start(char** argv, const char* input)
{
    const pid_t pid = fork();
    if (pid == 0) {
        if (input) {
            const int fd = open(input, O_RDONLY);
            if (fd < 0 || dup2(fd, 0) < 0)
                _exit(126);
        }
        const int sink = open("/dev/null", O_WRONLY);
        if (sink < 0 || dup2(sink, 1) < 0)
            _exit(126);
        execvp(argv[0], argv);
        _exit(127);
    }
    return pid;
}

// Waits for the first MapNotify of a top-level, non-override-redirect window;
// gives up when the program ends first.
bool WaitForMap(Display* display, pid_t pid, int timeoutMs, bool& ended)
{
    const auto start = Clock::now();
    pollfd fd {ConnectionNumber(display), POLLIN, 0};
    while (MillisecondsSince(start) < timeoutMs) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect)
                return true;
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            ended = true;
            return false;
        }
        poll(&fd, 1, 100);
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    bool mapped = false;
    const char* input = nullptr;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--mapped") == 0)
            mapped = true;
        else if (std::strcmp(argv[i], "--stdin") == 0 && i + 1 < argc)
            input = argv[++i];
    }
    if (i + 1 >= argc) {
        std::fputs("usage: run_clock [--mapped] [--stdin FILE] -- PROGRAM [ARGS...]\n", stderr);
        return 2;
    }
    char** command = argv + i + 1;

    Display* display = nullptr;
    if (mapped) {
        // A busy server now and then refuses a connection: try again before the clock starts.
        for (int attempt = 0; attempt < 50 && !display; ++attempt) {
            display = XOpenDisplay(nullptr);
            if (!display)
                usleep(20000);
        }
        if (!display) {
            std::fputs("run_clock: no X display\n", stderr);
            return 1;
        }
        XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
        XSync(display, False);
    }

    const auto start = Clock::now();
    const pid_t pid = Start(command, input);
    if (pid < 0)
        return 1;
    if (mapped) {
        bool ended = false;
        const bool seen = WaitForMap(display, pid, 20000, ended);
        const double ms = MillisecondsSince(start);
        const long resident = seen ? ResidentKib(pid) : -1;
        const double cpuMs = seen ? ProcessorMs(pid) : -1;
        if (!ended) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        if (!seen) {
            std::fputs("run_clock: no window was mapped\n", stderr);
            return 1;
        }
        std::printf("%.2f %ld 0 %.2f\n", ms, resident, cpuMs);
        return 0;
    }
    int status = 0;
    rusage usage {};
    wait4(pid, &status, 0, &usage);
    const double ms = MillisecondsSince(start);
    const double cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    std::printf("%.2f %ld %d %.2f\n", ms, usage.ru_maxrss,
        WIFEXITED(status) ? WEXITSTATUS(status) : -1, cpuMs);
    return 0;
}
