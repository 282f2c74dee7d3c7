#include "game/game.h"
#include "game/random_cell.h"
#include "platform/platform.h"
#include "records/record_table.h"

Game::Game(Platform &platform, RecordTable &table)
    : m_platform(platform)
    , m_table(table)
{ }

// Runs once, before the window is first shown. The generator was seeded when the platform was
// made, so games of one run follow one random sequence.
void Game::Загрузка()
{
    m_table.tellIfNotSaved(m_table.Чтение_таблицы_рекордов_из_файла());
    m_table.forgetLastName();
    Инициализация();
    Размещение_лис();
    emit changed();
}

// Neither reseeds the generator nor touches the table.
void Game::Новая_игра_Click()
{
    Инициализация();
    Размещение_лис();
    emit changed();
}

// A game kept beyond the program's run, as it was: its stopwatch runs on if it had started.
void Game::restore(const GameState &state)
{
    m_state = state;
    emit stopwatchSwitched(!m_state.Первый_ход && !m_state.Конец_игры);
    emit changed();
}

// Counters, flags, foxes and opened cells back to a fresh game; the stopwatch stops.
void Game::Инициализация()
{
    m_state = GameState();
    emit stopwatchSwitched(false);
}

// Each cell has the same chance; a draw that hits a fox already placed is dropped.
void Game::Размещение_лис()
{
    int placed = 0;
    while (placed < kFoxCount) {
        const int k = cellFromUnit(m_platform.nextRandom());
        if (!m_state.Лисы[k]) {
            m_state.Лисы[k] = true;
            ++placed;
        }
    }
}
