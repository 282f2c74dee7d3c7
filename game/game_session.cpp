// The game, the table and the panel wired together as one run of the game.
#include "game/game_session.h"

GameSession::GameSession(Platform &platform)
    : m_table(platform, kBestResult)
    , m_panel(m_table)
    , m_game(platform, m_table)
{ }

// The panel stays on screen, but cells take presses again at once.
void GameSession::newGame()
{
    m_panel.takePressesAgain();
    m_game.Новая_игра_Click();
}

// While the panel is shown a press does nothing at all, not even start the stopwatch.
Outcome GameSession::press(int index, Game::Button button)
{
    return m_panel.takesPresses() ? m_game.Клетка_MouseDown(index, button) : Outcome::Nothing;
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
