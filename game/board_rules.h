// The rules of play as functions over a game's state: a press, a tick, the direction finder, the
// flags of a zero and what a cell shows.
#pragma once

#include "game/game_state.h"

enum class PressButton { Other, Left, Right, Middle };

// What an event did to the state.
enum class Outcome { Nothing, Changed, AllFoxesFound };

// How many foxes lie on the lines of a cell. Found foxes go on counting: Лисы never forgets a fox.
int Пеленгатор(const Cells &Лисы, int index);
// Flags every unopened cell on the lines of a cell; flags are only set here, never cleared, and
// opened cells get none, foxes or not.
void Расставить_флажки(GameState &state, int index);
// A press of any button starts the game's stopwatch, even one that does nothing else. A left
// press opens a cell, a right one toggles its flag or flags the lines of an opened number; the
// fifth fox ends the game. Once the game is over cells still open and show their numbers, but
// nothing is counted.
Outcome Клетка_MouseDown(GameState &state, int index, PressButton button);
// The stopwatch runs from a game's first press until its end.
constexpr bool stopwatchRuns(const GameState &state)
{
    return !state.Первый_ход && !state.Конец_игры;
}
// passed: the whole seconds since the game's first press, by the stopwatch's clock; a tick counts
// only while the stopwatch runs.
Outcome Секундомер_Timer(GameState &state, qint64 passed);
CellView cellView(const GameState &state, int index);
