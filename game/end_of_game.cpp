#include "game/game.h"
#include "game/platform.h"
#include "records/record_table.h"
#include "records/records_panel.h"

// The stopwatch stops before the box opens, so no tick comes while the player reads it or types a
// name.
void Game::Игра_окончена()
{
    platform.setStopwatchEnabled(false);
    Конец_игры = true;
    // The fifth fox is on screen before the box covers the window.
    emit changed();
    platform.showMessage(QStringLiteral("Все лисы найдены"), QStringLiteral("Игра окончена"),
                         Platform::Icon::None);
    if (Очки > table.Очки_рекордов[10]) {
        table.Внести_в_таблицу_новый_рекорд(Очки);
        panel.Рекорды_Click();
    }
}
