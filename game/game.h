// One game: its state, its rules and what the board and the status column show of it.
#pragma once

#include "game/board_rules.h"

#include <QObject>
#include <QString>

class Platform;
class RecordTable;

// The value labels of the status column: empty until their counter is first shown.
struct StatusCaptions
{
    QString lblLead;
    QString lblFox;
    QString lblTime;
    QString lblPoint;
};

// One game on the board of 10 × 10 cells, played by the rules of board_rules.h. The window turns
// its events into the calls below, which alone change the state, and shows the state after each;
// a press and a tick say what they did.
class Game : public QObject
{
    Q_OBJECT

public:
    using Button = PressButton;

    Game(Platform &platform, RecordTable &table);

    // Events of the window.
    void Загрузка();
    void Новая_игра_Click();
    Outcome Клетка_MouseDown(int index, Button button)
    {
        return ::Клетка_MouseDown(m_state, index, button);
    }
    Outcome Секундомер_Timer(qint64 passed) { return ::Секундомер_Timer(m_state, passed); }
    // The boxes that follow the fifth fox, once the window shows it.
    void Игра_окончена();
    // Brings back a game kept beyond the program's run, in progress as it was.
    void restore(const GameState &state) { m_state = state; }

    const GameState &state() const { return m_state; }
    CellView cellView(int index) const { return ::cellView(m_state, index); }
    StatusCaptions statusCaptions() const;

signals:
    // The end of a game entered its result in the table: the table is to be shown.
    void resultEntered();

private:
    void Инициализация();
    void Размещение_лис();
    void askNameIfQualifies(qint16 очки);
    void enterResult(const QString &answer, qint16 очки);

    Platform &m_platform;
    RecordTable &m_table;
    GameState m_state;
};
