#pragma once

#include "main_window/board_widget.h"
#include "main_window/records_panel_view.h"
#include "main_window/status_column.h"

class GameSession;

// The whole client area under the menu bar: its face, its sunken edge and the board's raised
// frame, and on it the board, the status column and the panel of best results at their places,
// back to front. It shows what the session holds and hands the board's presses to it; a press
// that no control takes goes on to the board, which it may miss.
class ClientArea : public QWidget
{
    Q_OBJECT

public:
    explicit ClientArea(GameSession &session, QWidget *parent = nullptr);

    const BoardWidget &board() const { return m_board; }
    void placeCursor(int index, bool shown) { m_board.placeCursor(index, shown); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void showGame();

    const GameSession &m_session;
    BoardWidget m_board;
    StatusColumn m_status;
    RecordsPanelView m_panel;
};
