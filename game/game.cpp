// A game: made, pressed, ticked and brought back, by the rules of board_rules.h, with what its
// window is told.
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

void Game::Клетка_MouseDown(int index, Button button)
{
    const bool first = m_state.Первый_ход;
    const Outcome outcome = ::Клетка_MouseDown(m_state, index, button);
    if (first)
        emit stopwatchSwitched(true);
    if (outcome == Outcome::AllFoxesFound)
        Игра_окончена();
    else if (outcome == Outcome::Changed)
        emit changed();
}

void Game::Секундомер_Timer(qint64 passed)
{
    if (::Секундомер_Timer(m_state, passed) == Outcome::Changed)
        emit statusChanged();
}

StatusCaptions Game::statusCaptions() const
{
    // A counter is shown from the moment it first changes; until then its label stays empty.
    const auto caption = [](int value, int atReset) {
        return value == atReset ? QString() : QString::number(value);
    };
    return {caption(m_state.Ходы, 0), caption(m_state.Найдено_лис, 0), caption(m_state.Секунды, 0),
            caption(m_state.Очки, kStartingPoints)};
}
