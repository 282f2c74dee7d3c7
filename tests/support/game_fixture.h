#pragma once

#include "game/game_session.h"
#include "support/board_picture.h"
#include "support/fake_platform.h"

#include <QTemporaryDir>

// A game session wired to a fake platform whose program directory is a fresh temporary folder.
struct GameFixture
{
    GameFixture()
    {
        platform.directory = folder.path();
        QObject::connect(&session.game(), &Game::stopwatchSwitched,
                         [this](bool running) { stopwatchRunning = running; });
    }

    // Starts a game with the foxes where the picture puts them.
    void startWith(const QStringList &picture)
    {
        platform.placeFoxesAt(foxesIn(picture));
        session.load();
    }

    void press(int row, int column, Game::Button button = Game::Button::Left)
    {
        session.press(cellNumber(row, column), button);
    }

    // Ticks that each find one second more passed, as the window's ticks do once a second.
    void tick(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            session.tick(state().Секунды + 1);
    }

    const Game &game() const { return session.game(); }
    const RecordTable &table() const { return session.table(); }
    const RecordsPanel &panel() const { return session.panel(); }
    const GameState &state() const { return game().state(); }
    StatusCaptions captions() const { return game().statusCaptions(); }
    int flagCount() const
    {
        return int(std::count(state().Флаг.begin(), state().Флаг.end(), true));
    }

    QTemporaryDir folder;
    FakePlatform platform;
    GameSession session {platform};
    bool stopwatchRunning = false;
};
