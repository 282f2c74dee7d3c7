#include "game/game.h"

// Found foxes go on counting: Лисы never forgets a fox.
void Game::Пеленгатор(int index)
{
    int count = 0;
    for (int i = 0; i < kCellCount; ++i) {
        if (Лисы[i] && onOneLine(i, index))
            ++count;
    }
    Число[index] = QString::number(count);
}

// Flags are only set here, never cleared; opened cells get none, foxes or not.
void Game::Расставить_флажки(int index)
{
    for (int i = 0; i < kCellCount; ++i) {
        if (!Открытые[i] && onOneLine(i, index))
            Флаг[i] = true;
    }
}
