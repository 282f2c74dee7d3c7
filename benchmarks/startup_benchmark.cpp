// Start-up time and peak memory of Varn against a bare window with the same menus and labels,
// each started many times in turn on a private Xvfb and watched from the outside.

#include "launched_window.h"
#include "private_display.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct Program
{
    std::string path;
    std::vector<double> startMs;
    std::vector<double> processorMs;
    std::vector<double> peakMiB;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void runOnce(PrivateDisplay &display, Program &program, bool record)
{
    LaunchedWindow launched(display, program.path);
    const double startMs = launched.waitUntilPainted();
    const double processorMs = launched.processorMilliseconds();
    const double peakMiB = launched.closeAndReap() / 1024.0;
    if (record) {
        program.startMs.push_back(startMs);
        program.processorMs.push_back(processorMs);
        program.peakMiB.push_back(peakMiB);
    }
}

void report(const char *what, const char *unit, double game, double bare, double target)
{
    const double ratio = game / bare;
    std::printf("%-34s Varn %7.1f %s   bare window %7.1f %s   ratio %.3f (target %.2f: %s)\n", what,
                game, unit, bare, unit, ratio, target, ratio <= target ? "met" : "missed");
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <Varn> <bare_window> [runs, at least 10]\n", argv[0]);
        return 2;
    }
    const int runs = std::max(10, argc > 3 ? std::atoi(argv[3]) : 21);
    try {
        // Copies in a folder of their own: Varn writes Varn.dat beside itself.
        char pattern[] = "/tmp/varn-startup-XXXXXX";
        const std::filesystem::path folder = mkdtemp(pattern);
        Program game {(folder / "Varn").string(), {}, {}, {}};
        Program bare {(folder / "bare_window").string(), {}, {}, {}};
        std::filesystem::copy_file(argv[1], game.path);
        std::filesystem::copy_file(argv[2], bare.path);

        PrivateDisplay display;
        // One start each to fill the file cache, then the runs in turn.
        runOnce(display, game, false);
        runOnce(display, bare, false);
        for (int run = 0; run < runs; ++run) {
            runOnce(display, run % 2 ? bare : game, true);
            runOnce(display, run % 2 ? game : bare, true);
        }
        std::filesystem::remove_all(folder);

        std::printf("%d runs of each on Xvfb %s, medians:\n", runs, display.name().c_str());
        report("exec to the window painted:", "ms ", median(game.startMs), median(bare.startMs),
               1.15);
        report("processor time until then:", "ms ", median(game.processorMs),
               median(bare.processorMs), 1.15);
        report("peak resident memory:", "MiB", median(game.peakMiB), median(bare.peakMiB), 1.10);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "startup_benchmark: %s\n", error.what());
        return 1;
    }
    return 0;
}
