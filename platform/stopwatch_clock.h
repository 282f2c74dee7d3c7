// The clock the stopwatch follows: Platform::clockMilliseconds as this platform reads it.
#pragma once

#include <QtGlobal>

// Milliseconds by the clock the stopwatch counts a game's seconds on. A page's is the wall clock,
// since the epoch, which goes on through a reload of the page; a desktop's a steady clock, which
// no change of the system's time moves.
qint64 stopwatchClock();
