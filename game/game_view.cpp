#include "game/game.h"

CellView Game::cellView(int index) const
{
    const bool opened = m_state.Открытые[index];
    const bool fox = m_state.Лисы[index];
    return {opened && fox, m_state.Флаг[index], opened && !fox ? Пеленгатор(index) : -1};
}

StatusCaptions Game::statusCaptions() const
{
    // A counter is shown from the moment it first changes; until then its label stays empty.
    const auto caption = [](int value, int atReset) {
        return value == atReset ? QString() : QString::number(value);
    };
    return {caption(m_state.Ходы, 0), caption(m_state.Найдено_лис, 0), caption(m_state.Секунды, 0),
            caption(m_state.Очки, kStartingPoints)};
}
