#pragma once

#include "game/game_session.h"
#include "main_window/client_area.h"

#include <QMainWindow>
#include <QTimer>
#include <chrono>

class Platform;

// Главное_окно: the client area under the menus, and the stopwatch. It owns the session, turns
// its events into the session's calls, and shows what the session holds.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Builds every control, then runs the load handler; the caller shows the window. The
    // stopwatch ticks once a second in play; a test may give it a shorter tick.
    explicit MainWindow(Platform &platform,
                        std::chrono::milliseconds tick = std::chrono::seconds(1));

    const GameSession &session() const { return m_session; }

private:
    void buildMenus();

    Platform &m_platform;
    QTimer Секундомер;
    GameSession m_session;
    ClientArea m_client;
};
