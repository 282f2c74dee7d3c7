#pragma once

#include <QFont>

// A font sized in pixels, as the windows' controls are: at any DPI setting the text fits the
// pixels it was given.
struct FontStyle
{
    enum class Family { SansSerif, Arial, CourierNew, TimesNewRoman };

    Family family;
    int pixels;
    bool bold = false;
    bool italic = false;
};

// The Windows font where it is installed, else the Liberation font with the same metrics.
QFont pixelFont(const FontStyle &style);

// Chooses the platform's application font once (platform/application_font.h): before the first
// window is built, every window is built in it, the menu bar included; else before the first
// font is asked for.
void chooseApplicationFontOnce();
