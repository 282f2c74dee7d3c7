#include "game/game.h"

#include <limits>

void Game::Секундомер_Timer()
{
    // The counter is 16 bits wide: after nine hours it holds at its largest value.
    if (m_state.Секунды < std::numeric_limits<qint16>::max())
        ++m_state.Секунды;
    if (m_state.Секунды % kSecondsPerPoint == 0 && m_state.Очки > 0)
        --m_state.Очки;
    emit statusChanged();
}
