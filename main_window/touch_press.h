#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>

class QTouchEvent;

// One finger on the board, told apart as the mouse's two buttons are: lifted where it went down, a
// left press; held still for about 400 ms, a right press, taken at once while it still touches.
// A finger that moves further than a drag would start, or a second finger, presses nothing.
class TouchPress : public QObject
{
    Q_OBJECT

public:
    explicit TouchPress(QObject *parent);

    // Follows the touch that the board took at its beginning.
    void follow(const QTouchEvent &event);

signals:
    void pressed(QPoint at, Qt::MouseButton button);
    // The finger of a long press has been lifted.
    void released();

private:
    void cancel();

    QTimer m_hold;
    QPoint m_start;
    bool m_held = false;
};
