// The board as a screen reader sees it: a pane of 10 × 10 cells.
#include "main_window/board_accessible.h"

#include "main_window/board_widget.h"
#include "main_window/cell_accessible.h"
#include "main_window/layout.h"

BoardAccessible::BoardAccessible(BoardWidget *board)
    : QAccessibleWidget(board, QAccessible::Pane)
{ }

BoardAccessible::~BoardAccessible()
{
    for (QAccessible::Id id : m_cells) {
        if (id)
            QAccessible::deleteAccessibleInterface(id);
    }
}

BoardWidget *BoardAccessible::board() const
{
    return static_cast<BoardWidget *>(widget());
}

// The board posts each changed cell's name, then the focus on its cursor's cell when that one
// changed. Orca takes a table cell's new name for noise, and speaks the focus only when it moves
// to another object: so the focused cell, asked for once it shows something new, is made anew.
QAccessibleInterface *BoardAccessible::child(int index) const
{
    if (index < 0 || index >= kCellCount)
        return nullptr;
    const CellView shown = board()->shown(index);
    const bool focused = board()->hasFocus() && board()->cursor() == index;
    if (m_cells[index] && focused && shown != m_asked[index]) {
        QAccessible::deleteAccessibleInterface(m_cells[index]);
        m_cells[index] = 0;
    }
    m_asked[index] = shown;
    if (!m_cells[index])
        m_cells[index]
            = QAccessible::registerAccessibleInterface(new CellAccessible(board(), index));
    return QAccessible::accessibleInterface(m_cells[index]);
}

int BoardAccessible::childCount() const
{
    return kCellCount;
}

int BoardAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const auto *cell = dynamic_cast<const CellAccessible *>(child);
    return cell && cell->parent() == this ? cell->index() : -1;
}

QAccessibleInterface *BoardAccessible::childAt(int x, int y) const
{
    const int index = layout::cellAt(board()->mapFromGlobal(QPoint(x, y)));
    return index < 0 ? nullptr : child(index);
}

QAccessibleInterface *BoardAccessible::focusChild() const
{
    return board()->hasFocus() ? child(board()->cursor()) : nullptr;
}

QString BoardAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return QStringLiteral("Поле");
    return QAccessibleWidget::text(t);
}
