// A page's small facts: its clock, colours, screen, end, fonts and saves.
#include "platform/application_font.h"
#include "platform/light_colours.h"
#include "platform/page_fonts.h"
#include "platform/page_resize.h"
#include "platform/program_end.h"
#include "platform/sans_serif.h"
#include "platform/save_attempts.h"
#include "platform/stopwatch_clock.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyleHints>
#include <QWidget>
#include <chrono>
#include <emscripten.h>

// The wall clock, which a reload of the page does not start again.
qint64 stopwatchClock()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

// Qt 6.8 draws a page in a browser set to a dark scheme in dark colours; Qt 6.4 draws every page
// light, and has no colour scheme to set.
void keepLightColours()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QGuiApplication::styleHints()->setColorScheme(Qt::ColorScheme::Light);
#endif
}

void onPageResized(QWidget &window, std::function<void()> resized)
{
    QObject::connect(window.screen(), &QScreen::geometryChanged, &window, std::move(resized));
}

// A page's program keeps running once its last window closes: the page hears of it by this event.
void tellProgramEnded()
{
    EM_ASM({ window.dispatchEvent(new Event('varn-ended')); });
}

// A page brings no fonts of its own: it writes in the faces compiled into the program.
void chooseApplicationFont()
{
    usePageFonts();
}

// The page embeds the Liberation faces alone (page_fonts.cpp).
QStringList sansSerifFamilies()
{
    return {QStringLiteral("Liberation Sans")};
}

// The browser's store of the folder is written once the file is: a replacement never waits.
SaveAttempts systemSaveAttempts()
{
    return {1, 0};
}
