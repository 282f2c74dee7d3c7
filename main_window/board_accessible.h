// The board as a screen reader sees it.
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

    BoardWidget *board() const;

    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;
    QString text(QAccessible::Text t) const override;

private:
    // The registered cells, 0 until asked for; the cache of Qt's accessibility owns them.
    mutable std::array<QAccessible::Id, kCellCount> m_cells {};
    // What each cell showed when it was last asked for.
    mutable std::array<CellView, kCellCount> m_asked {};
};
