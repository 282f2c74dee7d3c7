#pragma once

#include "game/game.h"
#include "main_window/board_widget.h"
#include "main_window/records_panel_view.h"
#include "main_window/status_column.h"
#include "records/record_table.h"
#include "records/records_panel.h"

#include <QMainWindow>
#include <QTimer>

class Platform;

// Главное_окно: the board, the status column, the menus and the panel of best results. It owns
// the game and the table, turns its events into their calls, and shows what they hold.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Builds every control, then runs the load handler; the caller shows the window.
    explicit MainWindow(Platform &platform);

    Game &game() { return m_game; }
    const RecordTable &table() const { return m_table; }
    RecordsPanel &panel() { return m_panel; }
    BoardWidget &board() { return m_board; }
    RecordsPanelView &panelView() { return m_panelView; }
    StatusColumn &status() { return m_status; }
    QTimer &stopwatch() { return Секундомер; }

private:
    void buildMenus();
    void refresh();

    Platform &m_platform;
    QTimer Секундомер;
    RecordTable m_table;
    RecordsPanel m_panel;
    Game m_game;
    BoardWidget m_board;
    StatusColumn m_status;
    RecordsPanelView m_panelView;
};
