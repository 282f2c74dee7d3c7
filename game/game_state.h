// A game's state and what a cell shows of it, as plain values.
#pragma once

#include "game/cell.h"
#include "game/rules.h"

#include <QtGlobal>
#include <array>

using Cells = std::array<bool, kCellCount>;

// The state of one game. Flags are the player's marks and nothing else reads them; a found fox
// and the number of an opened cell follow from the foxes and the opened cells.
struct GameState
{
    qint16 Очки = kStartingPoints;
    qint16 Секунды = 0;
    qint16 Ходы = 0;
    qint16 Найдено_лис = 0;
    bool Первый_ход = true;
    bool Конец_игры = false;
    Cells Лисы {};
    Cells Открытые {};
    Cells Флаг {};

    friend bool operator==(const GameState &, const GameState &) = default;
};

// What one cell of the board shows.
struct CellView
{
    bool fox = false;
    bool flag = false;
    // The direction finder's number of an opened cell without a fox, else -1.
    int number = -1;

    friend bool operator==(const CellView &, const CellView &) = default;
};
