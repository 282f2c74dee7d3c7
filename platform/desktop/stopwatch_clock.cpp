// A desktop's stopwatch follows the steady clock.
#include "platform/stopwatch_clock.h"

#include <chrono>

qint64 stopwatchClock()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
