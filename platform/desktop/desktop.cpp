// What a desktop, Linux or Windows, has of the pieces a browser page needs: a steady clock, and
// no page to keep files or a game in, to tell of the program's end or to follow.
#include "platform/kept_files.h"
#include "platform/kept_game.h"
#include "platform/light_colours.h"
#include "platform/page_resize.h"
#include "platform/program_end.h"
#include "platform/stopwatch_clock.h"
#include "platform/whole_pictures.h"
#include "platform/window_drawn.h"

#include <chrono>

qint64 stopwatchClock()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Files on a disk are kept as they are written.
std::optional<QString> keepProgramFiles(const std::function<void(const QString &)> &)
{
    return std::nullopt;
}

// A desktop keeps no game beyond its window.
QString keptGame()
{
    return QString();
}

std::function<void()> keepGame(std::function<QString()>)
{
    return [] { };
}

// A desktop's program simply exits, and its window simply appears.
void tellProgramEnded() { }

void tellWhenWindowDrawn(QWidget &) { }

// A desktop's screen is no page: the player moves the window.
void onPageResized(QWidget &, std::function<void()>) { }

// A desktop's windows reach the screen as they are painted.
void keepPicturesWhole() { }

// A desktop's windows take the colours the desktop gives every program.
void keepLightColours() { }
