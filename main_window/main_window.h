#pragma once

#include "game/game.h"
#include "main_window/qt_platform.h"
#include "records/record_table.h"
#include "records/records_panel.h"

#include <QMainWindow>
#include <QTimer>
#include <memory>

class BoardWidget;
class RecordsPanelView;
class StatusColumn;

// Главное_окно: the board, the status column, the menus and the panel of best results. It owns
// the game and the table, turns its events into their calls, and shows what they hold.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Builds every control, then runs the load handler; the caller shows the window.
    MainWindow();
    ~MainWindow() override;

    Game &game() { return m_game; }
    RecordTable &table() { return m_table; }
    RecordsPanel &panel() { return m_panel; }
    BoardWidget *board() const { return m_board; }
    RecordsPanelView &panelView() const { return *m_panelView; }
    StatusColumn &status() const { return *m_status; }
    QTimer &stopwatch() { return Секундомер; }

private:
    void buildMenus();
    void refresh();

    QTimer Секундомер;
    QtPlatform m_platform;
    RecordTable m_table;
    RecordsPanel m_panel;
    Game m_game;
    BoardWidget *m_board;
    std::unique_ptr<StatusColumn> m_status;
    std::unique_ptr<RecordsPanelView> m_panelView;
};
