// Wake-ups of Varn while it waits for the player: with the stopwatch stopped (a fresh game) and
// running (after one press on a cell), against the bare window at rest. A wake-up is a context
// switch of any of the program's threads, read from /proc.

#include "launched_window.h"
#include "private_display.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <map>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <thread>

extern char **environ;

namespace {

using Switches = std::map<std::string, long>; // thread name and id -> context switches

Switches contextSwitches(pid_t pid)
{
    Switches result;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    for (const auto &task : std::filesystem::directory_iterator(tasks)) {
        std::string name;
        std::getline(std::ifstream(task.path() / "comm"), name);
        std::ifstream status(task.path() / "status");
        long total = 0;
        for (std::string line; std::getline(status, line);) {
            if (line.find("ctxt_switches:") != std::string::npos)
                total += std::atol(line.substr(line.find(':') + 1).c_str());
        }
        result[name + " " + task.path().filename().string()] = total;
    }
    return result;
}

// Prints the wake-ups of each thread over the given seconds; returns their sum.
long countWakeups(const char *what, pid_t pid, int seconds)
{
    const Switches before = contextSwitches(pid);
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    const Switches after = contextSwitches(pid);
    long total = 0;
    std::printf("%s, %d s:\n", what, seconds);
    for (const auto &[thread, count] : after) {
        const auto start = before.find(thread);
        const long woken = count - (start == before.end() ? 0 : start->second);
        total += woken;
        std::printf("    thread %-28s %5ld\n", thread.c_str(), woken);
    }
    std::printf("    all threads %20ld  (%.1f a second)\n", total, double(total) / seconds);
    return total;
}

// A real left press, through the XTEST extension, at a point of the window; xdotool finds the
// private display in DISPLAY.
void pressAt(const LaunchedWindow &launched, int x, int y)
{
    const std::string window = std::to_string(launched.window());
    const std::string column = std::to_string(x), row = std::to_string(y);
    const char *arguments[] = {"xdotool",   "mousemove", "--window", window.c_str(), column.c_str(),
                               row.c_str(), "click",     "1",        nullptr};
    pid_t tool = 0;
    if (posix_spawnp(&tool, "xdotool", nullptr, nullptr, const_cast<char **>(arguments), environ)
        != 0)
        throw std::runtime_error("cannot run xdotool");
    int status = 0;
    waitpid(tool, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("xdotool failed");
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <Varn> <bare_window> [seconds]\n", argv[0]);
        return 2;
    }
    const int seconds = argc > 3 ? std::atoi(argv[3]) : 10;
    try {
        char pattern[] = "/tmp/varn-idle-XXXXXX";
        const std::filesystem::path folder = mkdtemp(pattern);
        const std::string game = (folder / "Varn").string();
        std::filesystem::copy_file(argv[1], game);
        PrivateDisplay display;
        setenv("DISPLAY", display.name().c_str(), 1);
        {
            LaunchedWindow launched(display, game);
            launched.waitUntilPainted();
            std::this_thread::sleep_for(std::chrono::seconds(1));
            countWakeups("Varn, stopwatch stopped", launched.pid(), seconds);
            // The centre of cell 44, under the menu bar: the first press starts the stopwatch.
            const int menuHeight = launched.height() - 368;
            pressAt(launched, 24 + 32 * 4 + 16, menuHeight + 24 + 32 * 4 + 16);
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            countWakeups("Varn, stopwatch running", launched.pid(), seconds);
            launched.closeAndReap();
        }
        {
            LaunchedWindow launched(display, argv[2]);
            launched.waitUntilPainted();
            std::this_thread::sleep_for(std::chrono::seconds(1));
            countWakeups("bare window, at rest", launched.pid(), seconds);
            launched.closeAndReap();
        }
        std::filesystem::remove_all(folder);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "idle_benchmark: %s\n", error.what());
        return 1;
    }
    return 0;
}
