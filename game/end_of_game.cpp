// The end of a game: the boxes one after another, and the result entered in the table.
#include "game/game.h"
#include "platform/platform.h"
#include "records/record_table.h"

// The end of a game, step by step, once the fifth fox has ended it and the window shows it, its
// stopwatch stopped; each box's step runs the next once the player closes it.
void Game::Игра_окончена(std::function<void()> entered)
{
    const qint16 очки = m_state.Очки;
    m_platform.showMessage(
        QStringLiteral("Все лисы найдены"), QStringLiteral("Игра окончена"), Platform::Icon::None,
        [this, очки, entered = std::move(entered)] { askNameIfQualifies(очки, entered); });
}

// Asked before the table's lock is taken: the player may keep the box open for as long as they
// like.
void Game::askNameIfQualifies(qint16 очки, const std::function<void()> &entered)
{
    if (!m_table.qualifies(очки))
        return;
    m_platform.askText(
        QStringLiteral("Введите Ваше имя (не более 10-и символов)"), QStringLiteral("Ввод"),
        m_table.lastName(),
        [this, очки, entered](const QString &answer) { enterResult(answer, очки, entered); });
}

// Saved, or the player told why not; the table is shown either way.
void Game::enterResult(const QString &answer, qint16 очки, const std::function<void()> &entered)
{
    m_table.tellIfNotSaved(m_table.Внести_в_таблицу_новый_рекорд(answer, очки), entered);
}
