#include "main_window/client_area.h"

#include "game/game_session.h"
#include "main_window/layout.h"
#include "main_window/lines.h"

#include <QMouseEvent>
#include <QPainter>

ClientArea::ClientArea(GameSession &session, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
    , m_board(session.game(), this)
    , m_status(*this)
    , m_panel(*this, session)
{
    setFixedSize(layout::kClientSize);
    QPalette face = palette();
    face.setColor(QPalette::Window, layout::kFace);
    setPalette(face);
    setAutoFillBackground(true);
    setFont(pixelFont(layout::kSurfaceFont));

    const Game &game = session.game();
    connect(&m_board, &BoardWidget::cellPressed, this,
            [&session](int index, Game::Button button) { session.press(index, button); });
    connect(&game, &Game::changed, this, &ClientArea::showGame);
    connect(&game, &Game::statusChanged, this,
            [this] { m_status.showValues(m_session.game().statusCaptions()); });
    // The keys go to the board from the start, and back to it when the panel closes; a closed
    // dialog gives the focus back to where it was.
    m_board.setFocus();
    connect(&session.panel(), &RecordsPanel::changed, this, [this] {
        if (!m_session.panel().isOnScreen())
            m_board.setFocus();
    });
}

void ClientArea::showGame()
{
    m_status.showValues(m_session.game().statusCaptions());
    m_board.showGame();
}

void ClientArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintLines(painter, palette(), layout::kFrameLines);
}

void ClientArea::mousePressEvent(QMouseEvent *event)
{
    m_board.pressAt(m_board.mapFrom(this, event->position().toPoint()), event->button());
}
