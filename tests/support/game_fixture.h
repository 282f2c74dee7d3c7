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
    GameFixture() { platform.directory = folder.path(); }

    // Starts a game with the foxes where the picture puts them.
    void startWith(const QStringList &picture)
    {
        platform.placeFoxesAt(foxesIn(picture));
        game.Загрузка();
    }

    void press(int row, int column, int button = Game::Left)
    {
        game.Клетка_MouseDown(row * 10 + column, button);
    }

    int flagCount() const { return int(std::count(game.Флаг.begin(), game.Флаг.end(), true)); }

    QTemporaryDir folder;
    FakePlatform platform;
    RecordTable table {platform};
    RecordsPanel panel {table};
    Game game {platform, table, panel};
};
