#include "main_window/cell_accessible.h"

#include "main_window/board_widget.h"
#include "main_window/layout.h"

CellAccessible::CellAccessible(BoardWidget *board, int index)
    : m_board(board)
    , m_index(index)
{ }

QWindow *CellAccessible::window() const
{
    return m_board->window()->windowHandle();
}

QAccessibleInterface *CellAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(m_board);
}

// Rows and columns counted from 1, as a player counts them.
QString CellAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name)
        return {};
    const CellView view = m_board->game().cellView(m_index);
    const QString shows = view.fox ? QStringLiteral("лиса")
        : view.number >= 0         ? QString::number(view.number)
        : view.flag                ? QStringLiteral("флажок")
                                   : QStringLiteral("закрыта");
    const auto [row, column] = Координаты_клетки(m_index);
    return QStringLiteral("Строка %1, столбец %2: %3").arg(row + 1).arg(column + 1).arg(shows);
}

QRect CellAccessible::rect() const
{
    const QRect cell(layout::cellTopLeft(m_index), QSize(layout::kPitch, layout::kPitch));
    return cell.translated(m_board->mapToGlobal(QPoint(0, 0)));
}

QAccessible::State CellAccessible::state() const
{
    QAccessible::State state;
    state.focusable = true;
    state.focused = m_board->hasFocus() && m_board->cursor() == m_index;
    state.invisible = !m_board->isVisible();
    return state;
}
