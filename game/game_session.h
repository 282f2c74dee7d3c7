#pragma once

#include "game/game.h"
#include "game/kept_game.h"
#include "records/record_table.h"
#include "records/records_panel.h"

// One run of the game as its window plays it: the game, the table of best results and their
// panel. The panel decides whether cells take presses, a new game lets them through again, and a
// game whose result enters the table ends with the panel open. The window turns its events into
// the calls below and shows what the three hold.
class GameSession
{
public:
    explicit GameSession(Platform &platform);

    void load() { m_game.Загрузка(); }
    void newGame();
    void press(int index, Game::Button button);
    void tick(qint64 passed) { m_game.Секундомер_Timer(passed); }
    void showRecords() { m_panel.Рекорды_Click(); }
    void closeRecords() { m_panel.Кнопка_ок_Click(); }
    void clearRecords() { m_panel.Кнопка_очистить_Click(); }
    // The game and the panel as they are, to keep beyond the program's run; the window adds its
    // own part.
    KeptGame kept() const;
    // Brings back the game and the panel of a kept game.
    void restore(const KeptGame &kept);

    const Game &game() const { return m_game; }
    const RecordTable &table() const { return m_table; }
    const RecordsPanel &panel() const { return m_panel; }

private:
    RecordTable m_table;
    RecordsPanel m_panel;
    Game m_game;
};
