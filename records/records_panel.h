#pragma once

#include <QObject>

class RecordTable;

// The panel of best results over the board: its two buttons, whether it is on screen, and whether
// cells take presses meanwhile.
class RecordsPanel : public QObject
{
    Q_OBJECT

public:
    explicit RecordsPanel(RecordTable &table);

    void Рекорды_Click();
    void Кнопка_ок_Click();
    void Кнопка_очистить_Click();
    // A new game: cells take presses again at once, while the panel stays on screen until its own
    // button closes it.
    void takePressesAgain() { Таблица_показана = false; }

    bool takesPresses() const { return !Таблица_показана; }
    bool isOnScreen() const { return m_onScreen; }

signals:
    void changed();
    // The panel was opened, or opened again: the close button takes the keyboard focus.
    void opened();

private:
    RecordTable &m_table;
    bool Таблица_показана = false;
    bool m_onScreen = false;
};
