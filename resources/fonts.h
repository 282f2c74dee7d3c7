// The windows' fonts, sized in pixels.
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
