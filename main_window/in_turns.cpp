// The start split into turns of the event loop.
#include "main_window/in_turns.h"

#include <QCoreApplication>
#include <QTimer>

void runInTurns(std::vector<std::function<void()>> steps)
{
    if (steps.empty())
        return;
    QTimer::singleShot(0, QCoreApplication::instance(), [steps = std::move(steps)]() mutable {
        const std::function<void()> step = std::move(steps.front());
        steps.erase(steps.begin());
        step();
        runInTurns(std::move(steps));
    });
}
