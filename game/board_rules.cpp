// The rules of play: a press, a tick, the direction finder and the flags of a zero, over the state.
#include "game/board_rules.h"

#include <limits>

namespace {

void Снять_очки_за_ход(GameState &state)
{
    ++state.Ходы;
    state.Очки = qint16(state.Очки <= kPointsPerOpenedCell ? 0 : state.Очки - kPointsPerOpenedCell);
}

void Открыть_клетку(GameState &state, int index)
{
    if (state.Открытые[index])
        return;
    state.Флаг[index] = false;
    state.Открытые[index] = true;
    if (!state.Конец_игры)
        Снять_очки_за_ход(state);
    if (state.Лисы[index]) {
        ++state.Найдено_лис;
        if (state.Найдено_лис == kFoxCount)
            state.Конец_игры = true;
    } else if (Пеленгатор(state.Лисы, index) == 0) {
        // No fox on any of its lines.
        Расставить_флажки(state, index);
    }
}

} // namespace

int Пеленгатор(const Cells &Лисы, int index)
{
    int count = 0;
    for (int i = 0; i < kCellCount; ++i) {
        if (Лисы[i] && onOneLine(i, index))
            ++count;
    }
    return count;
}

void Расставить_флажки(GameState &state, int index)
{
    for (int i = 0; i < kCellCount; ++i) {
        if (!state.Открытые[i] && onOneLine(i, index))
            state.Флаг[i] = true;
    }
}

Outcome Клетка_MouseDown(GameState &state, int index, PressButton button)
{
    const GameState before = state;
    state.Первый_ход = false;
    if (button == PressButton::Left) {
        Открыть_клетку(state, index);
    } else if (button == PressButton::Right) {
        if (!state.Открытые[index])
            state.Флаг[index] = !state.Флаг[index];
        else if (!state.Лисы[index])
            Расставить_флажки(state, index);
    }
    if (state.Конец_игры && !before.Конец_игры)
        return Outcome::AllFoxesFound;
    return state == before ? Outcome::Nothing : Outcome::Changed;
}

// A tick counts each second not counted yet: a browser may hold a hidden page's ticks back for
// minutes, or freeze them, and each second still counts, every fifth taking its point, as if every
// tick had come.
Outcome Секундомер_Timer(GameState &state, qint64 passed)
{
    if (!stopwatchRuns(state))
        return Outcome::Nothing;
    const qint16 before = state.Секунды;
    // The counter is 16 bits wide: after nine hours it holds at its largest value.
    while (state.Секунды < passed && state.Секунды < std::numeric_limits<qint16>::max()) {
        ++state.Секунды;
        if (state.Секунды % kSecondsPerPoint == 0 && state.Очки > 0)
            --state.Очки;
    }
    return state.Секунды == before ? Outcome::Nothing : Outcome::Changed;
}

CellView cellView(const GameState &state, int index)
{
    const bool opened = state.Открытые[index];
    const bool fox = state.Лисы[index];
    return {opened && fox, state.Флаг[index], opened && !fox ? Пеленгатор(state.Лисы, index) : -1};
}
