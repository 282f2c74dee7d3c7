#include "main_window/board_widget.h"

#include "game/game.h"
#include "main_window/board_geometry.h"
#include "resources/pictures.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

QFont boldFont(const QStringList &families, int pixelSize)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

int buttonNumber(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return Game::Left;
    case Qt::RightButton:
        return Game::Right;
    case Qt::MiddleButton:
        return Game::Middle;
    default:
        return 0; // starts the stopwatch like any press, and does nothing else
    }
}

} // namespace

BoardWidget::BoardWidget(const Game &game, QWidget *parent)
    : QWidget(parent)
    , game(game)
    , fox(foxPicture())
    , flag(flagPicture())
    , numberFont(boldFont({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}, 29))
{
    setObjectName(QStringLiteral("board"));
    setFixedSize(board_geometry::kClientSize.x(), board_geometry::kClientSize.y());
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(background);
    setAutoFillBackground(true);
    // The surface's default font, for the captions and the panel's buttons: a small sans serif at
    // a pixel size, so that "Время" fits its 33 pixels at any DPI setting.
    QFont surfaceFont = font();
    surfaceFont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")});
    surfaceFont.setPixelSize(11);
    setFont(surfaceFont);
}

// Back to front: Число, Флаг, Лиса, the grid and outer frame (Line1 to Line26), the transparent
// Клетка images, which draw nothing, then the inner frame and window bevel (Line27 to Line38).
void BoardWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintNumbers(painter);
    paintPictures(painter, flag, game.Флаг);
    paintPictures(painter, fox, game.Лиса);
    paintLines(painter, 0, 26);
    paintLines(painter, 26, 38);
}

// Opaque button-face squares, which together fill the board, with the number centred at the top.
void BoardWidget::paintNumbers(QPainter &painter) const
{
    painter.setFont(numberFont);
    painter.setPen(palette().color(QPalette::ButtonText));
    for (int i = 0; i < kCellCount; ++i) {
        const QRect square(board_geometry::cellTopLeft(i),
                           QSize(board_geometry::kNumberSide, board_geometry::kNumberSide));
        painter.fillRect(square, palette().color(QPalette::Button));
        if (!game.Число[i].isEmpty())
            painter.drawText(square, Qt::AlignHCenter | Qt::AlignTop, game.Число[i]);
    }
}

void BoardWidget::paintPictures(QPainter &painter, const QPixmap &picture,
                                const std::array<bool, 100> &shown) const
{
    for (int i = 0; i < kCellCount; ++i) {
        if (shown[i])
            painter.drawPixmap(board_geometry::cellTopLeft(i), picture);
    }
}

void BoardWidget::paintLines(QPainter &painter, int first, int last) const
{
    using board_geometry::LineColour;
    for (int k = first; k < last; ++k) {
        const board_geometry::Line &line = board_geometry::kLines[k];
        QColor colour;
        switch (line.colour) {
        case LineColour::WindowText:
            colour = palette().color(QPalette::WindowText);
            break;
        case LineColour::WindowBackground:
            colour = palette().color(QPalette::Base);
            break;
        case LineColour::Dark:
            colour = QColor(128, 128, 128);
            break;
        case LineColour::Light:
            colour = QColor(224, 224, 224);
            break;
        case LineColour::White:
            colour = QColor(255, 255, 255);
            break;
        }
        painter.fillRect(board_geometry::linePixels(line), colour);
    }
}

// The transparent Клетка image lies on top of its whole square, so a press anywhere in it, also
// over a fox, a flag or a number, reaches the cell. A double click arrives here as a second press.
void BoardWidget::mousePressEvent(QMouseEvent *event)
{
    const int index = board_geometry::cellAt(event->position().toPoint());
    if (index >= 0)
        emit cellPressed(index, buttonNumber(event->button()));
}
