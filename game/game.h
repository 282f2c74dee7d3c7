// One game: its state, the rules it is played by, and the boxes at its end.
#pragma once

#include "game/board_rules.h"

#include <QString>
#include <functional>

class Platform;
class RecordTable;

// One game on the board of 10 × 10 cells, played by the rules of board_rules.h. The window turns
// its events into the calls below, which alone change the state, and shows the state after each;
// a press and a tick say what they did.
class Game
{
public:
    using Button = PressButton;

    Game(Platform &platform, RecordTable &table);

    // Events of the window.
    void Загрузка();
    void Новая_игра_Click();
    Outcome Клетка_MouseDown(int index, Button button)
    {
        return ::Клетка_MouseDown(m_state, index, button);
    }
    Outcome Секундомер_Timer(qint64 passed) { return ::Секундомер_Timer(m_state, passed); }
    // The boxes that follow the fifth fox, once the window shows it; entered runs once a result
    // has entered the table.
    void Игра_окончена(std::function<void()> entered);
    // Brings back a game kept beyond the program's run, in progress as it was.
    void restore(const GameState &state) { m_state = state; }

    const GameState &state() const { return m_state; }
    CellView cellView(int index) const { return ::cellView(m_state, index); }

private:
    void Инициализация();
    void Размещение_лис();
    void askNameIfQualifies(qint16 очки, const std::function<void()> &entered);
    void enterResult(const QString &answer, qint16 очки, const std::function<void()> &entered);

    Platform &m_platform;
    RecordTable &m_table;
    GameState m_state;
};
