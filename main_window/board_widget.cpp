#include "main_window/board_widget.h"

#include "main_window/board_accessible.h"
#include "main_window/layout.h"
#include "main_window/lines.h"
#include "resources/pictures.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTouchEvent>
#include <algorithm>

namespace {

Game::Button gameButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return Game::Button::Left;
    case Qt::RightButton:
        return Game::Button::Right;
    case Qt::MiddleButton:
        return Game::Button::Middle;
    default:
        return Game::Button::Other;
    }
}

// Where a key moves the cursor: one cell, stopping at the edges; Home and End to the ends of its
// row. -1 for a key that does not move it.
int cursorAfter(int cursor, int key)
{
    const auto [row, column] = Координаты_клетки(cursor);
    const auto at = [](int toRow, int toColumn) {
        return cellNumber(std::clamp(toRow, 0, kBoardSide - 1),
                          std::clamp(toColumn, 0, kBoardSide - 1));
    };
    switch (key) {
    case Qt::Key_Left:
        return at(row, column - 1);
    case Qt::Key_Right:
        return at(row, column + 1);
    case Qt::Key_Up:
        return at(row - 1, column);
    case Qt::Key_Down:
        return at(row + 1, column);
    case Qt::Key_Home:
        return at(row, 0);
    case Qt::Key_End:
        return at(row, kBoardSide - 1);
    default:
        return -1;
    }
}

// Enter presses the cursor's cell as the left button does, Space as the right one.
Game::Button keyButton(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Game::Button::Left;
    case Qt::Key_Space:
        return Game::Button::Right;
    default:
        return Game::Button::Other;
    }
}

} // namespace

BoardWidget::BoardWidget(const Game &game, QWidget *parent)
    : QWidget(parent)
    , m_game(game)
    , fox(foxPicture())
    , flag(flagPicture())
    , numberFont(pixelFont(layout::kNumberFont))
    , m_touch(this)
{
    setObjectName(QStringLiteral("board"));
    setGeometry(layout::kBoard);
    // Every pixel is painted: the cells' squares fill the board.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Never by a click or Tab, which belong to the panel's controls while it is shown: the window
    // gives the board the focus itself.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_AcceptTouchEvents);
    connect(&m_touch, &TouchPress::pressed, this, [this](QPoint at, Qt::MouseButton button) {
        if (button == Qt::RightButton) {
            m_heldCell = layout::cellAt(at);
            update();
        }
        pressAt(at, button);
    });
    connect(&m_touch, &TouchPress::released, this, [this] {
        m_heldCell = -1;
        update();
    });
}

void BoardWidget::showGame()
{
    update();
    BoardAccessible::announceChangedCells(*this);
}

// Back to front: numbers, flags, foxes, then the lines over them all.
void BoardWidget::paintEvent(QPaintEvent *)
{
    Cells cells;
    for (int i = 0; i < kCellCount; ++i)
        cells[i] = m_game.cellView(i);
    QPainter painter(this);
    paintNumbers(painter, cells);
    paintPictures(painter, flag, cells, &CellView::flag);
    paintPictures(painter, fox, cells, &CellView::fox);
    paintLines(painter, palette(), layout::kGridLines);
    if (m_cursorShown)
        paintFrame(painter, m_cursor);
    if (m_heldCell >= 0)
        paintFrame(painter, m_heldCell);
}

// Each cell's opaque button-face square reaches one pixel into the next; together they fill the
// board, in one stroke. A number is centred at the top of its square.
void BoardWidget::paintNumbers(QPainter &painter, const Cells &cells) const
{
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.setFont(numberFont);
    painter.setPen(palette().color(QPalette::ButtonText));
    for (int i = 0; i < kCellCount; ++i) {
        const QRect square(layout::cellTopLeft(i), QSize(layout::kNumberSide, layout::kNumberSide));
        if (cells[i].number >= 0)
            painter.drawText(square, Qt::AlignHCenter | Qt::AlignTop,
                             QString::number(cells[i].number));
    }
}

void BoardWidget::paintPictures(QPainter &painter, const QPixmap &picture, const Cells &cells,
                                bool CellView::*shown) const
{
    for (int i = 0; i < kCellCount; ++i) {
        if (cells[i].*shown)
            painter.drawPixmap(layout::cellTopLeft(i), picture);
    }
}

// Over whatever the cell shows and its grid lines: a frame inside the cell, lined within.
void BoardWidget::paintFrame(QPainter &painter, int index) const
{
    constexpr int width = layout::kCursorLineWidth;
    const auto inside
        = [](QRect outside) { return outside.adjusted(width, width, -width, -width); };
    const auto paintRing = [&painter, &inside](QRect outside, const QColor &colour) {
        QPainterPath ring;
        ring.addRect(outside);
        ring.addRect(inside(outside));
        painter.fillPath(ring, colour);
    };
    const QRect frame = layout::cursorFrame(index);
    paintRing(frame, layout::kCursorFrame);
    paintRing(inside(frame), layout::kCursorLining);
}

// A press anywhere in a cell's square, also over a fox, a flag or a number, reaches the cell. A
// double click arrives here as a second press.
void BoardWidget::mousePressEvent(QMouseEvent *event)
{
    pressAt(event->position().toPoint(), event->button());
}

void BoardWidget::pressAt(QPoint at, Qt::MouseButton button)
{
    showCursor(false);
    const int index = layout::cellAt(at);
    if (index >= 0)
        emit cellPressed(index, gameButton(button));
}

// A touch on the panel, which lies over the board, never reaches here: Qt gives it to the panel's
// controls as a mouse press.
bool BoardWidget::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        m_touch.follow(*static_cast<QTouchEvent *>(event));
        event->accept();
        return true;
    default:
        return QWidget::event(event);
    }
}

// Keys with Ctrl, Alt or Shift are left to the menus; the keypad's own keys act as the others.
void BoardWidget::keyPressEvent(QKeyEvent *event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const int target = plain ? cursorAfter(m_cursor, event->key()) : -1;
    const Game::Button button = plain ? keyButton(event->key()) : Game::Button::Other;
    if (target < 0 && button == Game::Button::Other) {
        QWidget::keyPressEvent(event);
        return;
    }
    showCursor(true);
    if (target >= 0)
        moveCursor(target);
    else if (!event->isAutoRepeat()) // a held key presses once, as a held button does
        emit cellPressed(m_cursor, button);
}

// For a screen reader the cursor's cell is the focused one. Qt tells of the board's focus after
// this event, so the cell is told of next.
void BoardWidget::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    QMetaObject::invokeMethod(
        this, [this] { BoardAccessible::announceCursor(*this); }, Qt::QueuedConnection);
}

void BoardWidget::placeCursor(int index, bool shown)
{
    moveCursor(index);
    showCursor(shown);
}

void BoardWidget::moveCursor(int index)
{
    if (index == m_cursor)
        return;
    update(layout::cursorFrame(m_cursor));
    m_cursor = index;
    update(layout::cursorFrame(m_cursor));
    BoardAccessible::announceCursor(*this);
    emit cursorChanged();
}

void BoardWidget::showCursor(bool shown)
{
    if (shown == m_cursorShown)
        return;
    m_cursorShown = shown;
    update(layout::cursorFrame(m_cursor));
    emit cursorChanged();
}
