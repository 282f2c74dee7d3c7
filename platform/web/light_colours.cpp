#include "platform/light_colours.h"

#include <QGuiApplication>
#include <QStyleHints>

// Qt 6.8 draws a page in a browser set to a dark scheme in dark colours; Qt 6.4 draws every page
// light, and has no colour scheme to set.
void keepLightColours()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QGuiApplication::styleHints()->setColorScheme(Qt::ColorScheme::Light);
#endif
}
