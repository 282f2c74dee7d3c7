#pragma once

#include "game/game.h"
#include "main_window/touch_press.h"

#include <QPixmap>
#include <QWidget>

// The whole client area under the menu bar: paints the cells' numbers, flags and foxes and the
// 38 lines from the game's state, back to front, and turns presses into cell numbers. The keyboard
// plays too: the arrows, Home and End move a cell cursor, Enter and Space press its cell. A finger
// presses as the mouse does (touch_press.h); a touch elsewhere, as on the panel's buttons, is left
// to Qt, which makes it a left press of the mouse.
class BoardWidget : public QWidget
{
    Q_OBJECT

public:
    explicit BoardWidget(const Game &game, QWidget *parent = nullptr);

    const Game &game() const { return m_game; }
    int cursor() const { return m_cursor; }
    // Repaints what the game holds now, and tells assistive technology which cells changed.
    void showGame();

signals:
    void cellPressed(int index, Game::Button button);

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
    void paintLines(QPainter &painter) const;
    void paintFrame(QPainter &painter, int index) const;
    void press(QPoint at, Qt::MouseButton button);
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
