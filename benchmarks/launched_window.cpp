#include "launched_window.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr double kPatienceMs = 10000;

bool hasEnded(pid_t child)
{
    siginfo_t info {};
    return waitid(P_PID, child, &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == child;
}

} // namespace

double monotonicMilliseconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

LaunchedWindow::LaunchedWindow(PrivateDisplay &privateDisplay, const std::string &program)
    : display(privateDisplay)
{
    Display *x = display.connection();
    // Chosen before the start, so that no map of the program's window can be missed.
    XSelectInput(x, DefaultRootWindow(x), SubstructureNotifyMask);
    XSync(x, True);
    rootColour = pixel(0, 0);
    // The child starts elsewhere; and it must not flush a copy of our buffered output.
    const std::string path = std::filesystem::absolute(program).string();
    std::fflush(nullptr);
    startedAt = monotonicMilliseconds();
    child = fork();
    if (child == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        setenv("DISPLAY", display.name().c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        if (chdir("/") != 0)
            _exit(126);
        // Only the window is watched; the program's warnings would bury the figures.
        freopen("/dev/null", "w", stdout);
        freopen("/dev/null", "w", stderr);
        execl(path.c_str(), path.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    if (child < 0)
        throw std::runtime_error("fork failed");
}

LaunchedWindow::~LaunchedWindow()
{
    if (child > 0) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    XSelectInput(display.connection(), DefaultRootWindow(display.connection()), NoEventMask);
}

bool LaunchedWindow::ownsWindow(Window window) const
{
    Display *x = display.connection();
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    const Atom pidAtom = XInternAtom(x, "_NET_WM_PID", False);
    const bool found = XGetWindowProperty(x, window, pidAtom, 0, 1, False, XA_CARDINAL, &type,
                                          &format, &count, &after, &data)
            == Success
        && data && count == 1 && format == 32
        && static_cast<pid_t>(*reinterpret_cast<unsigned long *>(data)) == child;
    if (data)
        XFree(data);
    return found;
}

unsigned long LaunchedWindow::pixel(int x, int y) const
{
    Display *connection = display.connection();
    XImage *image
        = XGetImage(connection, DefaultRootWindow(connection), x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        throw std::runtime_error("cannot read the screen");
    const unsigned long value = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return value;
}

bool LaunchedWindow::painted() const
{
    const int points[3][2] = {
        {size[0] - 6, 5}, // the menu bar
        {size[0] / 2, size[1] / 2}, // the client area
        {size[0] - 6, size[1] - 6}, // the bottom corner
    };
    for (const auto &point : points) {
        if (pixel(origin[0] + point[0], origin[1] + point[1]) == rootColour)
            return false;
    }
    return true;
}

double LaunchedWindow::waitUntilPainted()
{
    Display *x = display.connection();
    const int connection = ConnectionNumber(x);
    while (!mapped) {
        if (monotonicMilliseconds() - startedAt > kPatienceMs || hasEnded(child))
            throw std::runtime_error("the program showed no window");
        while (XPending(x)) {
            XEvent event;
            XNextEvent(x, &event);
            if (event.type == MapNotify && ownsWindow(event.xmap.window))
                mapped = event.xmap.window;
        }
        pollfd ready {connection, POLLIN, 0};
        if (!mapped)
            poll(&ready, 1, 5);
    }
    // No window manager: the window is a child of the root, placed where the program put it.
    XWindowAttributes attributes {};
    XGetWindowAttributes(x, mapped, &attributes);
    origin[0] = attributes.x;
    origin[1] = attributes.y;
    size[0] = attributes.width;
    size[1] = attributes.height;
    while (!painted()) {
        if (monotonicMilliseconds() - startedAt > kPatienceMs)
            throw std::runtime_error("the window was never painted");
        usleep(200);
    }
    return monotonicMilliseconds() - startedAt;
}

double LaunchedWindow::processorMilliseconds() const
{
    // The first field of each thread's schedstat: nanoseconds spent running.
    double total = 0;
    const std::filesystem::path tasks = "/proc/" + std::to_string(child) + "/task";
    for (const auto &task : std::filesystem::directory_iterator(tasks)) {
        double running = 0;
        std::ifstream(task.path() / "schedstat") >> running;
        total += running / 1e6;
    }
    return total;
}

long LaunchedWindow::closeAndReap()
{
    Display *x = display.connection();
    XEvent close {};
    close.xclient.type = ClientMessage;
    close.xclient.window = mapped;
    close.xclient.message_type = XInternAtom(x, "WM_PROTOCOLS", False);
    close.xclient.format = 32;
    close.xclient.data.l[0] = static_cast<long>(XInternAtom(x, "WM_DELETE_WINDOW", False));
    close.xclient.data.l[1] = CurrentTime;
    XSendEvent(x, mapped, False, NoEventMask, &close);
    XFlush(x);
    const double asked = monotonicMilliseconds();
    rusage usage {};
    int status = 0;
    while (wait4(child, &status, WNOHANG, &usage) == 0) {
        if (monotonicMilliseconds() - asked > kPatienceMs)
            throw std::runtime_error("the program did not end when its window was closed");
        usleep(1000);
    }
    child = -1;
    return usage.ru_maxrss;
}
