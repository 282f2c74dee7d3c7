#pragma once

#include "game/game_session.h"
#include "main_window/client_area.h"

#include <QMainWindow>
#include <QTimer>
#include <chrono>
#include <functional>

class Platform;

// Главное_окно: the client area under the menus, and the stopwatch. It owns the session, turns
// its events into the session's calls, and shows what the session holds. Where the platform keeps
// a game beyond the program's run, as a browser page does, it keeps its game, and brings back the
// game kept before.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Builds every control, then runs the load handler; the caller shows the window. The
    // stopwatch ticks once a second in play, and counts the seconds its clock says have passed
    // since the first press; a test may give it a shorter tick.
    explicit MainWindow(Platform &platform,
                        std::chrono::milliseconds tick = std::chrono::seconds(1));

    const GameSession &session() const { return m_session; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    qint64 secondsPassed() const;
    void restore(const KeptGame &kept);
    QString keptText() const;

    Platform &m_platform;
    QTimer Секундомер;
    // The stopwatch's clock at the game's first press.
    qint64 m_firstPress = 0;
    GameSession m_session;
    ClientArea m_client;
    std::function<void()> m_keepGame;
    bool m_closed = false;
};
