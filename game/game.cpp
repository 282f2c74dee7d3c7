// A game made: the program's first, or a new one, with foxes drawn from the platform.
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
}

// Neither reseeds the generator nor touches the table.
void Game::Новая_игра_Click()
{
    Инициализация();
    Размещение_лис();
}

// Counters, flags, foxes and opened cells back to a fresh game, whose stopwatch has not started.
void Game::Инициализация()
{
    m_state = GameState();
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
