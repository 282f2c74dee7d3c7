#pragma once

#include "game/game.h"
#include "main_window/touch_press.h"

#include <QPixmap>
#include <QWidget>

// The board: paints the cells' numbers, flags and foxes and the grid from the game's state, back
// to front, and turns presses into cell numbers. The keyboard plays too: the arrows, Home and End
// move a cell cursor, Enter and Space press its cell. A finger presses as the mouse does
// (touch_press.h).
class BoardWidget : public QWidget
{
    Q_OBJECT

public:
    explicit BoardWidget(const Game &game, QWidget *parent = nullptr);

    const Game &game() const { return m_game; }
    int cursor() const { return m_cursor; }
    bool cursorShown() const { return m_cursorShown; }
    // The cursor at a cell, shown or not, as a game brought back had it.
    void placeCursor(int index, bool shown);
    // Repaints what the game holds now, and tells assistive technology which cells changed.
    void showGame();
    // A press at a point of the board, which may lie outside every cell; any press hides the
    // cursor.
    void pressAt(QPoint at, Qt::MouseButton button);

signals:
    void cellPressed(int index, Game::Button button);
    // The cursor moved, or was shown or hidden.
    void cursorChanged();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    using Cells = std::array<CellView, kCellCount>;

    void paintNumbers(QPainter &painter, const Cells &cells) const;
    void paintPictures(QPainter &painter, const QPixmap &picture, const Cells &cells,
                       bool CellView::*shown) const;
    void paintFrame(QPainter &painter, int index) const;
    void moveCursor(int index);
    void showCursor(bool shown);

    const Game &m_game;
    const QPixmap fox;
    const QPixmap flag;
    const QFont numberFont;
    // The cell the keys act on, drawn only from the first key until the next mouse press.
    int m_cursor = 0;
    bool m_cursorShown = false;
    TouchPress m_touch;
    // The cell of a long press, framed as the cursor's is from the moment it is taken until the
    // finger is lifted; -1 when none.
    int m_heldCell = -1;
};
