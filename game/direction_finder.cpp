#include "game/game.h"

// Found foxes go on counting: Лисы never forgets a fox.
int Game::Пеленгатор(int index) const
{
    int count = 0;
    for (int i = 0; i < kCellCount; ++i) {
        if (m_state.Лисы[i] && onOneLine(i, index))
            ++count;
    }
    return count;
}

// Flags are only set here, never cleared; opened cells get none, foxes or not.
void Game::Расставить_флажки(int index)
{
    for (int i = 0; i < kCellCount; ++i) {
        if (!m_state.Открытые[i] && onOneLine(i, index))
            m_state.Флаг[i] = true;
    }
}
