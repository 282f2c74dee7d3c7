#include "game/game.h"
#include "game/platform.h"
#include "game/random_cell.h"
#include "records/record_table.h"
#include "records/records_panel.h"

Game::Game(Platform &platform, RecordTable &table, RecordsPanel &panel)
    : platform(platform)
    , table(table)
    , panel(panel)
{ }

// Runs once, before the window is first shown. The generator was seeded when the platform was
// made, so games of one run follow one random sequence.
void Game::Загрузка()
{
    table.Чтение_таблицы_рекордов_из_файла();
    table.Последнее_имя.clear();
    Инициализация();
    Размещение_лис();
    emit changed();
}

// Neither reseeds the generator nor touches the panel or the table.
void Game::Новая_игра_Click()
{
    Инициализация();
    Размещение_лис();
    emit changed();
}

void Game::Инициализация()
{
    Ходы = 0;
    Найдено_лис = 0;
    Секунды = 0;
    Очки = 300;
    lblLead.clear();
    lblFox.clear();
    lblPoint.clear();
    lblTime.clear();
    platform.setStopwatchEnabled(false);
    Первый_ход = true;
    Конец_игры = false;
    // The panel stays on screen, but cells take presses again at once.
    panel.Таблица_показана = false;
    Лисы.fill(false);
    Открытые.fill(false);
    Лиса.fill(false);
    Флаг.fill(false);
    Число.fill(QString());
}

// Each cell has the same chance; a draw that hits a fox already placed is dropped.
void Game::Размещение_лис()
{
    int placed = 0;
    while (placed < 5) {
        const int k = cellFromUnit(platform.nextRandom());
        if (!Лисы[k]) {
            Лисы[k] = true;
            ++placed;
        }
    }
}
