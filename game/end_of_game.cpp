#include "game/game.h"
#include "platform/platform.h"
#include "records/record_table.h"

// The end of a game, step by step; each box's step runs the next once the player closes it. The
// stopwatch stops first, so no tick comes while the player reads a box or types a name.
void Game::Игра_окончена()
{
    emit stopwatchSwitched(false);
    m_state.Конец_игры = true;
    // The fifth fox is on screen before the box covers the window.
    emit changed();
    tellAllFoxesFound(m_state.Очки);
}

void Game::tellAllFoxesFound(qint16 очки)
{
    m_platform.showMessage(QStringLiteral("Все лисы найдены"), QStringLiteral("Игра окончена"),
                           Platform::Icon::None, [this, очки] { askNameIfQualifies(очки); });
}

// Asked before the table's lock is taken: the player may keep the box open for as long as they
// like.
void Game::askNameIfQualifies(qint16 очки)
{
    if (!m_table.qualifies(очки))
        return;
    m_platform.askText(QStringLiteral("Введите Ваше имя (не более 10-и символов)"),
                       QStringLiteral("Ввод"), m_table.lastName(),
                       [this, очки](const QString &answer) { enterResult(answer, очки); });
}

// Saved, or the player told why not; the table is shown either way.
void Game::enterResult(const QString &answer, qint16 очки)
{
    m_table.tellIfNotSaved(m_table.Внести_в_таблицу_новый_рекорд(answer, очки),
                           [this] { emit resultEntered(); });
}
