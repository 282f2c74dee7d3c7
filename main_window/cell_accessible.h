#pragma once

#include <QAccessible>
#include <QPointer>

class BoardWidget;

// One cell of the board for a screen reader, named as a player reads it:
// "Строка 3, столбец 7: закрыта", "… флажок", "… 2", "… лиса". The cursor's cell is the focused
// one while the board has the focus.
class CellAccessible : public QAccessibleInterface
{
public:
    CellAccessible(BoardWidget *board, int index);

    bool isValid() const override { return !m_board.isNull(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override { }
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;

    int index() const { return m_index; }

private:
    QPointer<BoardWidget> m_board;
    int m_index;
};
