#pragma once

#include <QObject>

class RecordTable;

// The panel of best results over the board: its two buttons and whether it is on screen.
class RecordsPanel : public QObject
{
    Q_OBJECT

public:
    explicit RecordsPanel(RecordTable &table);

    void Рекорды_Click();
    void Кнопка_ок_Click();
    void Кнопка_очистить_Click();

    // Presses on cells are ignored while this is set. A new game clears it and leaves the panel on
    // screen, so it can differ from isVisible.
    bool Таблица_показана = false;
    bool isVisible = false;

signals:
    void changed();
    // The panel was opened, or opened again: the close button takes the keyboard focus.
    void opened();

private:
    RecordTable &m_table;
};
