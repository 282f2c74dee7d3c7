#include "game/game.h"
#include "platform/platform.h"
#include "records/record_table.h"
#include "records/records_panel.h"

// The stopwatch stops before the box opens, so no tick comes while the player reads it or types a
// name.
void Game::Игра_окончена()
{
    emit stopwatchSwitched(false);
    m_state.Конец_игры = true;
    // The fifth fox is on screen before the box covers the window.
    emit changed();
    m_platform.showMessage(QStringLiteral("Все лисы найдены"), QStringLiteral("Игра окончена"),
                           Platform::Icon::None, [this, очки = m_state.Очки] {
                               m_table.Внести_в_таблицу_новый_рекорд(
                                   очки, [this] { m_panel.Рекорды_Click(); });
                           });
}
