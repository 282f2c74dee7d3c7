#include "game/game.h"

#include <limits>

// Told the whole seconds since the game's first press, a tick counts each second not counted yet:
// a browser may hold a hidden page's ticks back for minutes, or freeze them, and each second still
// counts, every fifth taking its point, as if every tick had come. A tick that finds no new second
// changes nothing.
void Game::Секундомер_Timer(qint64 passed)
{
    // The counter is 16 bits wide: after nine hours it holds at its largest value.
    while (m_state.Секунды < passed && m_state.Секунды < std::numeric_limits<qint16>::max()) {
        ++m_state.Секунды;
        if (m_state.Секунды % kSecondsPerPoint == 0 && m_state.Очки > 0)
            --m_state.Очки;
    }
    emit statusChanged();
}
