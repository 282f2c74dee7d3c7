#include "game/game.h"

void Game::Клетка_MouseDown(int index, Button button)
{
    // Any button starts the stopwatch, even one that does nothing else.
    if (m_state.Первый_ход) {
        m_state.Первый_ход = false;
        emit stopwatchSwitched(true);
    }
    if (button == Button::Left) {
        Открыть_клетку(index);
    } else if (button == Button::Right) {
        if (!m_state.Открытые[index])
            m_state.Флаг[index] = !m_state.Флаг[index];
        else if (!m_state.Лисы[index])
            Расставить_флажки(index);
    }
    emit changed();
}

// Once the game is over cells still open and show their numbers, but nothing is counted.
void Game::Открыть_клетку(int index)
{
    if (m_state.Открытые[index])
        return;
    m_state.Флаг[index] = false;
    m_state.Открытые[index] = true;
    if (!m_state.Конец_игры)
        Снять_очки_за_ход();
    if (m_state.Лисы[index]) {
        ++m_state.Найдено_лис;
        if (m_state.Найдено_лис == kFoxCount)
            Игра_окончена();
    } else if (Пеленгатор(index) == 0) {
        // No fox on any of its lines.
        Расставить_флажки(index);
    }
}

void Game::Снять_очки_за_ход()
{
    ++m_state.Ходы;
    m_state.Очки
        = qint16(m_state.Очки <= kPointsPerOpenedCell ? 0 : m_state.Очки - kPointsPerOpenedCell);
}
