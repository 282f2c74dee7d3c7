#pragma once

#include "game/game.h"
#include "records/record_table.h"
#include "records/records_panel.h"
#include "support/board_picture.h"
#include "support/fake_platform.h"

#include <QTemporaryDir>

// A game wired to a fake platform whose program directory is a fresh temporary folder.
struct GameFixture
{
    GameFixture()
    {
        platform.directory = folder.path();
        QObject::connect(&game, &Game::stopwatchSwitched,
                         [this](bool running) { stopwatchRunning = running; });
    }

    // Starts a game with the foxes where the picture puts them.
    void startWith(const QStringList &picture)
    {
        platform.placeFoxesAt(foxesIn(picture));
        game.Загрузка();
    }

    void press(int row, int column, Game::Button button = Game::Button::Left)
    {
        game.Клетка_MouseDown(cellNumber(row, column), button);
    }

    void tick(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            game.Секундомер_Timer();
    }

    const GameState &state() const { return game.state(); }
    StatusCaptions captions() const { return game.statusCaptions(); }
    int flagCount() const
    {
        return int(std::count(state().Флаг.begin(), state().Флаг.end(), true));
    }

    QTemporaryDir folder;
    FakePlatform platform;
    RecordTable table {platform, kBestResult};
    RecordsPanel panel {table};
    Game game {platform, table, panel};
    bool stopwatchRunning = false;
};
