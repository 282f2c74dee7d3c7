#include "private_display.h"

#include <csignal>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

PrivateDisplay::PrivateDisplay()
{
    int answer[2];
    if (pipe(answer) != 0)
        throw std::runtime_error("pipe failed");
    server = fork();
    if (server == 0) {
        // The server must not outlive a benchmark that is interrupted.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        close(answer[0]);
        // Quiet about the display numbers it finds taken on its way to a free one.
        freopen("/dev/null", "w", stderr);
        const std::string fd = std::to_string(answer[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten",
               "tcp", static_cast<char *>(nullptr));
        _exit(127);
    }
    close(answer[1]);
    // Xvfb writes the display number it chose, then a line break, once it takes connections.
    char digit;
    while (read(answer[0], &digit, 1) == 1 && digit != '\n')
        displayName += digit;
    close(answer[0]);
    if (displayName.empty())
        throw std::runtime_error("Xvfb did not start");
    displayName = ":" + displayName;
    display = XOpenDisplay(displayName.c_str());
    if (!display)
        throw std::runtime_error("cannot open display " + displayName);
}

PrivateDisplay::~PrivateDisplay()
{
    if (display)
        XCloseDisplay(display);
    if (server > 0) {
        kill(server, SIGTERM);
        waitpid(server, nullptr, 0);
    }
}
