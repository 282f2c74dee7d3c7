#pragma once

#include "game/game.h"

#include <QAccessibleWidget>
#include <array>

class BoardWidget;

// What a screen reader sees of the board: a pane of 10 × 10 cells, each named by its row, its
// column and what it shows. Not a table: Orca reads a whole row of a table at each step up or
// down. Qt makes it through the factory (accessible_factory.h) as it would a plain widget's; the
// cells are made only when a screen reader first asks for them.
class BoardAccessible : public QAccessibleWidget
{
public:
    explicit BoardAccessible(BoardWidget *board);
    ~BoardAccessible() override;

    // Each does nothing unless assistive technology listens.
    static void announceChangedCells(BoardWidget &board);
    static void announceCursor(BoardWidget &board);

    BoardWidget *board() const;

    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;
    QString text(QAccessible::Text t) const override;

private:
    static BoardAccessible *of(BoardWidget &board);
    void renew(int index);

    // The registered cells, 0 until asked for; the cache of Qt's accessibility owns them.
    mutable std::array<QAccessible::Id, kCellCount> m_cells {};
    // What each cell showed when its name was last announced.
    std::array<CellView, kCellCount> m_announced {};
};
