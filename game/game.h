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

// One game on the board of 10 × 10 cells, played by the rules of board_rules.h. The window paints
// from its state and turns its events into the calls below; only those calls change the state,
// and each that changes it ends by announcing it.
class Game : public QObject
{
    Q_OBJECT

public:
    using Button = PressButton;

    Game(Platform &platform, RecordTable &table);

    // Events of the window.
    void Загрузка();
    void Новая_игра_Click();
    void Клетка_MouseDown(int index, Button button);
    // passed: the whole seconds since the game's first press, by the stopwatch's clock.
    void Секундомер_Timer(qint64 passed);
    // Brings back a game kept beyond the program's run, in progress as it was.
    void restore(const GameState &state);

    const GameState &state() const { return m_state; }
    CellView cellView(int index) const { return ::cellView(m_state, index); }
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
    void Игра_окончена();
    void tellAllFoxesFound(qint16 очки);
    void askNameIfQualifies(qint16 очки);
    void enterResult(const QString &answer, qint16 очки);

    Platform &m_platform;
    RecordTable &m_table;
    GameState m_state;
};
