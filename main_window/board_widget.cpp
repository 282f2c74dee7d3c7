#include "main_window/board_widget.h"

#include "main_window/layout.h"
#include "resources/pictures.h"

#include <QMouseEvent>
#include <QPainter>

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

} // namespace

BoardWidget::BoardWidget(const Game &game, QWidget *parent)
    : QWidget(parent)
    , m_game(game)
    , fox(foxPicture())
    , flag(flagPicture())
    , numberFont(pixelFont(layout::kNumberFont))
{
    setObjectName(QStringLiteral("board"));
    setFixedSize(layout::kClientSize);
    QPalette background = palette();
    background.setColor(QPalette::Window, layout::kFace);
    setPalette(background);
    setAutoFillBackground(true);
    setFont(pixelFont(layout::kSurfaceFont));
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
    paintLines(painter);
}

// Each cell's opaque button-face square reaches one pixel into the next; together they fill the
// board, in one stroke. A number is centred at the top of its square.
void BoardWidget::paintNumbers(QPainter &painter, const Cells &cells) const
{
    painter.fillRect(QRect(layout::cellTopLeft(0), QPoint(layout::kGridEnd, layout::kGridEnd)),
                     palette().color(QPalette::Button));
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

void BoardWidget::paintLines(QPainter &painter) const
{
    using layout::LineColour;
    for (const layout::Line &line : layout::kLines) {
        QColor colour;
        switch (line.colour) {
        case LineColour::WindowText:
            colour = palette().color(QPalette::WindowText);
            break;
        case LineColour::WindowBackground:
            colour = palette().color(QPalette::Base);
            break;
        case LineColour::Dark:
            colour = layout::kBevelDark;
            break;
        case LineColour::Light:
            colour = layout::kBevelLight;
            break;
        case LineColour::White:
            colour = layout::kBevelWhite;
            break;
        }
        painter.fillRect(layout::linePixels(line), colour);
    }
}

// A press anywhere in a cell's square, also over a fox, a flag or a number, reaches the cell. A
// double click arrives here as a second press.
void BoardWidget::mousePressEvent(QMouseEvent *event)
{
    const int index = layout::cellAt(event->position().toPoint());
    if (index >= 0)
        emit cellPressed(index, gameButton(event->button()));
}
