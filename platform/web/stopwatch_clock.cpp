// A page's stopwatch follows the wall clock, which a reload of the page does not start again.
#include "platform/stopwatch_clock.h"

#include <chrono>

qint64 stopwatchClock()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}
