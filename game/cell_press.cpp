#include "game/game.h"
#include "game/platform.h"
#include "records/records_panel.h"

void Game::Клетка_MouseDown(int index, int button)
{
    if (panel.Таблица_показана)
        return;
    // Any button starts the stopwatch, even one that does nothing else.
    if (Первый_ход) {
        Первый_ход = false;
        platform.setStopwatchEnabled(true);
    }
    if (button == Left) {
        Открыть_клетку(index);
    } else if (button == Right) {
        if (!Открытые[index])
            Флаг[index] = !Флаг[index];
        else if (!Лисы[index])
            Расставить_флажки(index);
    }
    emit changed();
}

// Once the game is over cells still open and show their numbers, but nothing is counted.
void Game::Открыть_клетку(int index)
{
    if (Открытые[index])
        return;
    Флаг[index] = false;
    Открытые[index] = true;
    if (!Конец_игры)
        Снять_очки_за_ход();
    if (Лисы[index]) {
        ++Найдено_лис;
        lblFox = QString::number(Найдено_лис);
        Лиса[index] = true;
        if (Найдено_лис == 5)
            Игра_окончена();
    } else {
        Пеленгатор(index);
        // A zero means no fox on any of its lines.
        if (Число[index].toInt() == 0)
            Расставить_флажки(index);
    }
}

void Game::Снять_очки_за_ход()
{
    ++Ходы;
    lblLead = QString::number(Ходы);
    Очки = Очки <= 10 ? 0 : Очки - 10;
    lblPoint = QString::number(Очки);
}
