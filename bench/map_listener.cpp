// Starts a program and reports how long it took to map its first top-level window of a given name, and its
// peak resident memory at that moment. Usage: bench_map_listener WINDOW-NAME PROGRAM [ARGUMENTS...]
// Prints "map_ms=<milliseconds> cpu_ms=<milliseconds> vmhwm_kb=<kilobytes>", cpu_ms being the processor time
// all its threads had used by then (less disturbed than map_ms by other work on the machine), then ends the
// program (or leaves it running and prints "pid=<pid>" with --keep as the first argument).
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

std::string WindowName(Display* display, Window window)
{
    XTextProperty property;
    if (XGetWMName(display, window, &property) == 0 || property.value == nullptr) {
        return {};
    }
    std::string name(reinterpret_cast<const char*>(property.value), property.nitems);
    XFree(property.value);
    return name;
}

long PeakResidentKilobytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

// Processor time of all the program's threads so far, in milliseconds, from the scheduler's nanosecond counts.
double CpuMilliseconds(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* folder = opendir(tasks.c_str());
    if (folder == nullptr) {
        return -1;
    }
    double nanoseconds = 0;
    while (const dirent* entry = readdir(folder)) {
        if (entry->d_name[0] == '.') {
            continue;
        }
        std::ifstream schedstat(tasks + "/" + entry->d_name + "/schedstat");
        double onCpu = 0;
        if (schedstat >> onCpu) {
            nanoseconds += onCpu;
        }
    }
    closedir(folder);
    return nanoseconds / 1e6;
}

// Waits for the MapNotify of a child of the root named `name`; false when the program ended or 60 s passed.
bool WaitForMap(Display* display, const std::string& name, pid_t pid)
{
    const auto deadline = Clock::now() + std::chrono::seconds(60);
    while (Clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.event == DefaultRootWindow(display) &&
                WindowName(display, event.xmap.window) == name) {
                return true;
            }
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            return false;
        }
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, 20);
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[])
{
    const bool keep = argc > 1 && std::strcmp(argv[1], "--keep") == 0;
    const int first = keep ? 2 : 1;
    if (argc - first < 2) {
        std::fputs("usage: bench_map_listener [--keep] WINDOW-NAME PROGRAM [ARGUMENTS...]\n", stderr);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fputs("bench_map_listener: cannot open the display\n", stderr);
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto started = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        close(ConnectionNumber(display));
        // The program's output goes to our standard error: our standard output carries only the figures.
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execvp(argv[first + 1], argv + first + 1);
        std::perror("bench_map_listener: exec");
        _exit(127);
    }
    const bool mapped = WaitForMap(display, argv[first], pid);
    const auto elapsed = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
    const long peak = mapped ? PeakResidentKilobytes(pid) : -1;
    const double cpu = mapped ? CpuMilliseconds(pid) : -1;
    if (mapped) {
        std::printf("map_ms=%.1f cpu_ms=%.1f vmhwm_kb=%ld\n", elapsed, cpu, peak);
    } else {
        std::fputs("bench_map_listener: the window never appeared\n", stderr);
    }
    if (keep && mapped) {
        std::printf("pid=%d\n", static_cast<int>(pid));
        std::fflush(stdout);
        return 0;
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    return mapped ? 0 : 1;
}
