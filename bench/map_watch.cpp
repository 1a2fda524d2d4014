// Starts a windowed program and measures it the way a player meets it: the
// time from the start of the process to its first top-level window being
// mapped, the main thread's CPU time up to then, and, once it has settled,
// its CPU share and wakeups while idle and its peak memory.
//
//   torvane_map_watch IDLE_SECONDS -- PROGRAM [ARGS...]
//
// Prints one line of name=value pairs. The X connection watches the root
// window for maps, so nothing polls while the program starts.

#include <X11/Xlib.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr double kSettleSeconds = 1.5;
constexpr int kMapTimeoutMs = 30000;

double Now()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

// Nanoseconds a thread has run, from the scheduler's own count.
long long ThreadCpuNs(pid_t pid, const std::string& tid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/task/" + tid + "/schedstat");
    long long ns = 0;
    in >> ns;
    return ns;
}

long long StatusField(const std::string& path, const std::string& name)
{
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line))
        if (line.compare(0, name.size(), name) == 0 && line[name.size()] == ':')
            return std::atoll(line.c_str() + name.size() + 1);
    return 0;
}

struct Totals {
    long long cpuNs = 0;
    long long sleeps = 0;  // voluntary context switches: each is one wakeup later
};

// Summed over every thread the process has at this moment.
Totals ProcessTotals(pid_t pid)
{
    Totals totals;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (!dir)
        return totals;
    while (dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        totals.cpuNs += ThreadCpuNs(pid, entry->d_name);
        totals.sleeps += StatusField(tasks + "/" + entry->d_name + "/status", "voluntary_ctxt_switches");
    }
    closedir(dir);
    return totals;
}

// Waits for the first map of a top-level, non-override-redirect window.
bool WaitForMap(Display* display, int timeoutMs)
{
    const double deadline = Now() + timeoutMs / 1000.0;
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect)
                return true;
        }
        const int left = static_cast<int>((deadline - Now()) * 1000);
        if (left <= 0 || poll(&fd, 1, left) < 0)
            return false;
    }
}

void Sleep(double seconds)
{
    timespec t{static_cast<time_t>(seconds), static_cast<long>((seconds - static_cast<time_t>(seconds)) * 1e9)};
    while (nanosleep(&t, &t) != 0) {
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 4 || std::strcmp(argv[2], "--") != 0) {
        std::fprintf(stderr, "usage: torvane_map_watch IDLE_SECONDS -- PROGRAM [ARGS...]\n");
        return 2;
    }
    const double idleSeconds = std::atof(argv[1]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "torvane_map_watch: no display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double start = Now();
    const pid_t pid = fork();
    if (pid == 0) {
        close(ConnectionNumber(display));
        execvp(argv[3], argv + 3);
        std::_Exit(127);
    }
    if (pid < 0)
        return 1;
    const bool mapped = WaitForMap(display, kMapTimeoutMs);
    const double mappedAt = Now();
    const long long mainCpuNs = ThreadCpuNs(pid, std::to_string(pid));
    if (!mapped) {
        std::fprintf(stderr, "torvane_map_watch: %s mapped no window\n", argv[3]);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return 1;
    }

    std::ostringstream out;
    out.setf(std::ios::fixed);
    out.precision(2);
    out << "map_ms=" << (mappedAt - start) * 1000 << " cpu_ms=" << mainCpuNs / 1e6;
    // Memory is read after the first paints, which follow the map.
    Sleep(kSettleSeconds);
    if (idleSeconds > 0) {
        const Totals before = ProcessTotals(pid);
        const double from = Now();
        Sleep(idleSeconds);
        const Totals after = ProcessTotals(pid);
        const double span = Now() - from;
        out << " idle_cpu_pct=" << 100.0 * (after.cpuNs - before.cpuNs) / 1e9 / span
            << " wakeups_per_s=" << (after.sleeps - before.sleeps) / span;
    }
    out << " hwm_kib=" << StatusField("/proc/" + std::to_string(pid) + "/status", "VmHWM");
    std::puts(out.str().c_str());

    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    return 0;
}
