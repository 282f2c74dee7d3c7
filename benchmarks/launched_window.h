#pragma once

#include "private_display.h"

#include <X11/Xlib.h>
#include <string>
#include <sys/types.h>

// A program started on a private display and watched from the outside, with no help from the
// program: its top-level window is found by _NET_WM_PID, and it counts as painted once the
// pixels where its menu bar, client area and bottom corner lie no longer show the bare root.
class LaunchedWindow
{
public:
    LaunchedWindow(PrivateDisplay &display, const std::string &program);
    ~LaunchedWindow();
    LaunchedWindow(const LaunchedWindow &) = delete;
    LaunchedWindow &operator=(const LaunchedWindow &) = delete;

    // Milliseconds from the exec to the window mapped and painted.
    double waitUntilPainted();
    // Milliseconds on a processor, all threads together, so far: less swayed by other load on
    // the machine than the time on the clock.
    double processorMilliseconds() const;
    // Sends WM_DELETE_WINDOW, as a window manager's close box does, and waits for the program to
    // end; returns its peak resident memory in KiB.
    long closeAndReap();

    pid_t pid() const { return child; }
    Window window() const { return mapped; }
    int width() const { return size[0]; }
    int height() const { return size[1]; }

private:
    bool ownsWindow(Window window) const;
    bool painted() const;
    unsigned long pixel(int x, int y) const;

    PrivateDisplay &display;
    pid_t child = -1;
    double startedAt = 0;
    Window mapped = 0;
    int origin[2] {};
    int size[2] {};
    unsigned long rootColour = 0;
};

double monotonicMilliseconds();
