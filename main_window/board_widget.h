#pragma once

#include "game/game.h"

#include <QPixmap>
#include <QWidget>

// The whole client area under the menu bar: paints the cells' numbers, flags and foxes and the
// 38 lines from the game's state, back to front, and turns presses into cell numbers.
class BoardWidget : public QWidget
{
    Q_OBJECT

public:
    explicit BoardWidget(const Game &game, QWidget *parent = nullptr);

signals:
    void cellPressed(int index, Game::Button button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    using Cells = std::array<CellView, kCellCount>;

    void paintNumbers(QPainter &painter, const Cells &cells) const;
    void paintPictures(QPainter &painter, const QPixmap &picture, const Cells &cells,
                       bool CellView::*shown) const;
    void paintLines(QPainter &painter) const;

    const Game &m_game;
    const QPixmap fox;
    const QPixmap flag;
    const QFont numberFont;
};
