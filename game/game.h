#pragma once

#include "game/cell.h"
#include "game/rules.h"

#include <QObject>
#include <QString>
#include <array>

class Platform;
class RecordTable;

// The state of one game. Flags are the player's marks and nothing else reads them; a found fox
// and the number of an opened cell follow from the foxes and the opened cells.
struct GameState
{
    qint16 Очки = kStartingPoints;
    qint16 Секунды = 0;
    qint16 Ходы = 0;
    qint16 Найдено_лис = 0;
    bool Первый_ход = true;
    bool Конец_игры = false;
    std::array<bool, kCellCount> Лисы {};
    std::array<bool, kCellCount> Открытые {};
    std::array<bool, kCellCount> Флаг {};

    friend bool operator==(const GameState &, const GameState &) = default;
};

// What one cell of the board shows.
struct CellView
{
    bool fox = false;
    bool flag = false;
    // The direction finder's number of an opened cell without a fox, else -1.
    int number = -1;

    friend bool operator==(const CellView &, const CellView &) = default;
};

// The value labels of the status column: empty until their counter is first shown.
struct StatusCaptions
{
    QString lblLead;
    QString lblFox;
    QString lblTime;
    QString lblPoint;
};

// One game on the board of 10 × 10 cells. The window paints from its state and turns its events
// into the calls below; only those calls change the state, and each ends by announcing it.
class Game : public QObject
{
    Q_OBJECT

public:
    enum class Button { Other, Left, Right, Middle };

    Game(Platform &platform, RecordTable &table);

    // Events of the window.
    void Загрузка();
    void Новая_игра_Click();
    void Клетка_MouseDown(int index, Button button);
    // passed: the whole seconds since the game's first press, by the stopwatch's clock.
    void Секундомер_Timer(qint64 passed);
    // Brings back a game kept beyond the program's run, in progress as it was.
    void restore(const GameState &state);

    // How many foxes lie on the lines of a cell, found ones included.
    int Пеленгатор(int index) const;

    const GameState &state() const { return m_state; }
    CellView cellView(int index) const;
    StatusCaptions statusCaptions() const;

signals:
    void changed();
    // Only the status captions changed: a tick leaves the board as it was.
    void statusChanged();
    // The stopwatch runs from the first press of a game until its end or the next reset.
    void stopwatchSwitched(bool running);
    // The end of a game entered its result in the table: the table is to be shown.
    void resultEntered();

private:
    void Инициализация();
    void Размещение_лис();
    void Расставить_флажки(int index);
    void Игра_окончена();
    void tellAllFoxesFound(qint16 очки);
    void askNameIfQualifies(qint16 очки);
    void enterResult(const QString &answer, qint16 очки);
    void Открыть_клетку(int index);
    void Снять_очки_за_ход();

    Platform &m_platform;
    RecordTable &m_table;
    GameState m_state;
};
