#pragma once

#include "game/game.h"

#include <QAccessibleWidget>
#include <array>

class BoardWidget;

// What a screen reader sees of the board: a table of 10 × 10 cells, each named by its row, its
// column and what it shows, then the board's own child widgets. Qt makes it through the factory
// as it would a plain widget's; the cells are made only when a screen reader first asks for them.
class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    explicit BoardAccessible(BoardWidget *board);
    ~BoardAccessible() override;

    static QAccessibleInterface *create(const QString &className, QObject *object);
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
    void *interface_cast(QAccessible::InterfaceType type) override;

    // A board has no headers and nothing to select.
    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface *> selectedCells() const override { return {}; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return kBoardSide; }
    int rowCount() const override { return kBoardSide; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override { }

private:
    static BoardAccessible *of(BoardWidget &board);

    // The registered cells, 0 until asked for; the cache of Qt's accessibility owns them.
    mutable std::array<QAccessible::Id, kCellCount> m_cells {};
    // What each cell showed when its name was last announced.
    std::array<CellView, kCellCount> m_announced {};
};
