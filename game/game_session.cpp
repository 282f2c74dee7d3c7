#include "game/game_session.h"

GameSession::GameSession(Platform &platform)
    : m_table(platform, kBestResult)
    , m_panel(m_table)
    , m_game(platform, m_table)
{
    QObject::connect(&m_game, &Game::resultEntered, &m_panel, &RecordsPanel::Рекорды_Click);
}

// The panel stays on screen, but cells take presses again at once.
void GameSession::newGame()
{
    m_panel.takePressesAgain();
    m_game.Новая_игра_Click();
}

// While the panel is shown a press does nothing at all, not even start the stopwatch.
void GameSession::press(int index, Game::Button button)
{
    if (m_panel.takesPresses())
        m_game.Клетка_MouseDown(index, button);
}

KeptGame GameSession::kept() const
{
    KeptGame kept;
    kept.state = m_game.state();
    kept.panelOnScreen = m_panel.isOnScreen();
    kept.panelTakesPresses = m_panel.takesPresses();
    return kept;
}

void GameSession::restore(const KeptGame &kept)
{
    m_game.restore(kept.state);
    if (kept.panelOnScreen)
        m_panel.Рекорды_Click();
    if (kept.panelTakesPresses)
        m_panel.takePressesAgain();
}
