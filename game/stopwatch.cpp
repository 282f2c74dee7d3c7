#include "game/game.h"

#include <limits>

// A point falls at seconds 5, 10, 15 and so on, never below 0.
void Game::Секундомер_Timer()
{
    // The counter is 16 bits wide: after nine hours it holds at its largest value.
    if (Секунды < std::numeric_limits<qint16>::max())
        ++Секунды;
    lblTime = QString::number(Секунды);
    if (Секунды % 5 == 0 && Очки > 0) {
        --Очки;
        lblPoint = QString::number(Очки);
    }
    emit statusChanged();
}
