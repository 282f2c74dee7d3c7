#pragma once

#include <QPushButton>
#include <QTextEdit>

class RecordTable;
class RecordsPanel;

// The five controls of the panel of best results, shown and hidden together over the board.
class RecordsPanelView
{
public:
    RecordsPanelView(QWidget &surface, RecordsPanel &panel);

    void show(const RecordsPanel &panel, const RecordTable &table);

    QPushButton *Рамка_таблицы_рекордов;
    QPushButton *Лучшие_результаты;
    QTextEdit *Таблица_рекордов;
    QPushButton *Кнопка_ок;
    QPushButton *Кнопка_очистить;
};
