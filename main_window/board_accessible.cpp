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

BoardAccessible *BoardAccessible::of(BoardWidget &board)
{
    return dynamic_cast<BoardAccessible *>(QAccessible::queryAccessibleInterface(&board));
}

// A cell's name changes with what it shows: opened, flagged, or flagged with its lines.
void BoardAccessible::announceChangedCells(BoardWidget &board)
{
    BoardAccessible *table = QAccessible::isActive() ? of(board) : nullptr;
    if (!table)
        return;
    bool cursorChanged = false;
    for (int i = 0; i < kCellCount; ++i) {
        const CellView shown = board.game().cellView(i);
        if (shown == table->m_announced[i])
            continue;
        table->m_announced[i] = shown;
        QAccessibleEvent event(&board, QAccessible::NameChanged);
        event.setChild(i);
        QAccessible::updateAccessibility(&event);
        cursorChanged = cursorChanged || i == board.cursor();
    }
    if (cursorChanged && board.hasFocus()) {
        table->renew(board.cursor());
        announceCursor(board);
    }
}

void BoardAccessible::announceCursor(BoardWidget &board)
{
    if (!QAccessible::isActive() || !board.hasFocus())
        return;
    QAccessibleEvent event(&board, QAccessible::Focus);
    event.setChild(board.cursor());
    QAccessible::updateAccessibility(&event);
}

// Orca takes a table cell's new name for noise, and speaks the focus only when it moves to
// another object: so a changed cell is made anew before it is given the focus again.
void BoardAccessible::renew(int index)
{
    if (m_cells[index])
        QAccessible::deleteAccessibleInterface(m_cells[index]);
    m_cells[index] = 0;
}

BoardWidget *BoardAccessible::board() const
{
    return static_cast<BoardWidget *>(widget());
}

QAccessibleInterface *BoardAccessible::child(int index) const
{
    if (index < 0 || index >= kCellCount)
        return nullptr;
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
