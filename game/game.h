#pragma once

#include "game/cell.h"

#include <QObject>
#include <QString>
#include <array>

class Platform;
class RecordTable;
class RecordsPanel;

// One game on the board of 10 × 10 cells: its counters, its hidden foxes, and what the board's
// controls and the status column show of it. The window paints from this state and turns its
// events into the calls below; every call ends by announcing the change.
class Game : public QObject
{
    Q_OBJECT

public:
    enum Button { Left = 1, Right = 2, Middle = 4 };

    Game(Platform &platform, RecordTable &table, RecordsPanel &panel);

    // Events of the window.
    void Загрузка();
    void Новая_игра_Click();
    void Клетка_MouseDown(int index, int button);
    void Секундомер_Timer();

    // The steps they are made of.
    void Инициализация();
    void Размещение_лис();
    void Пеленгатор(int index);
    void Расставить_флажки(int index);
    void Игра_окончена();

    // The game's state.
    qint16 Очки = 300;
    qint16 Секунды = 0;
    qint16 Ходы = 0;
    qint16 Найдено_лис = 0;
    bool Первый_ход = true;
    bool Конец_игры = false;
    std::array<bool, kCellCount> Лисы {};
    std::array<bool, kCellCount> Открытые {};

    // What the board shows: a found fox, a flag, the number of an opened cell.
    std::array<bool, kCellCount> Лиса {};
    std::array<bool, kCellCount> Флаг {};
    std::array<QString, kCellCount> Число;

    // The captions of the status column's value labels: empty after a reset, never "0" then.
    QString lblLead;
    QString lblFox;
    QString lblTime;
    QString lblPoint;

signals:
    void changed();
    // Only the status captions changed: a tick leaves the board as it was.
    void statusChanged();

private:
    void Открыть_клетку(int index);
    void Снять_очки_за_ход();

    Platform &platform;
    RecordTable &table;
    RecordsPanel &panel;
};
