#pragma once

#include <X11/Xlib.h>
#include <string>
#include <sys/types.h>

// Xvfb on a free display number and one connection to it; the server ends with this object.
class PrivateDisplay
{
public:
    PrivateDisplay();
    ~PrivateDisplay();
    PrivateDisplay(const PrivateDisplay &) = delete;
    PrivateDisplay &operator=(const PrivateDisplay &) = delete;

    const std::string &name() const { return displayName; }
    Display *connection() const { return display; }

private:
    pid_t server = -1;
    std::string displayName;
    Display *display = nullptr;
};
