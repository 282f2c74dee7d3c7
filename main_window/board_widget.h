#pragma once

#include <QPixmap>
#include <QWidget>

class Game;

// The whole client area under the menu bar: paints the cells' numbers, flags and foxes and the
// 38 lines from the game's state, back to front, and turns presses into cell numbers.
class BoardWidget : public QWidget
{
    Q_OBJECT

public:
    explicit BoardWidget(const Game &game, QWidget *parent = nullptr);

signals:
    // button: 1 left, 2 right, 4 middle.
    void cellPressed(int index, int button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void paintNumbers(QPainter &painter) const;
    void paintPictures(QPainter &painter, const QPixmap &picture,
                       const std::array<bool, 100> &shown) const;
    void paintLines(QPainter &painter, int first, int last) const;

    const Game &game;
    const QPixmap fox;
    const QPixmap flag;
    const QFont numberFont;
};
