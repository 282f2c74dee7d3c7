#pragma once

#include <QPushButton>
#include <QTextEdit>
#include <QWidget>

class RecordTable;
class RecordsPanel;

// The panel of best results over the board: five controls shown and hidden as one.
class RecordsPanelView : public QWidget
{
    Q_OBJECT

public:
    RecordsPanelView(QWidget &surface, RecordsPanel &panel, const RecordTable &table);

    QPushButton *Рамка_таблицы_рекордов;
    QTextEdit *Таблица_рекордов;
    QPushButton *Кнопка_ок;
    QPushButton *Кнопка_очистить;
    QPushButton *Лучшие_результаты;

private:
    void showText(const QString &text);
};
