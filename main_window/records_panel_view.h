#pragma once

#include <QPushButton>
#include <QTextEdit>
#include <QWidget>

class GameSession;

// The panel of best results over the board: five controls shown and hidden as one.
class RecordsPanelView : public QWidget
{
    Q_OBJECT

public:
    RecordsPanelView(QWidget &surface, GameSession &session);

private:
    void build();
    void showText();

    GameSession &m_session;
    // Made when the panel is first shown: a start with the panel hidden, as every start is, has
    // no use for them before its first paint.
    QPushButton *Рамка_таблицы_рекордов = nullptr;
    QTextEdit *Таблица_рекордов = nullptr;
    QPushButton *Кнопка_ок = nullptr;
    QPushButton *Кнопка_очистить = nullptr;
    QPushButton *Лучшие_результаты = nullptr;
};
