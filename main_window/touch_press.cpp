#include "main_window/touch_press.h"

#include <QGuiApplication>
#include <QStyleHints>
#include <QTouchEvent>
#include <chrono>

namespace {

// Shorter than the desktop's press-and-hold: a player flags many cells in a game.
constexpr std::chrono::milliseconds kHoldTime {400};

} // namespace

TouchPress::TouchPress(QObject *parent)
    : QObject(parent)
    , m_hold(this)
{
    m_hold.setObjectName(QStringLiteral("hold"));
    m_hold.setSingleShot(true);
    m_hold.setInterval(kHoldTime);
    connect(&m_hold, &QTimer::timeout, this, [this] {
        m_held = true;
        emit pressed(m_start, Qt::RightButton);
    });
}

void TouchPress::follow(const QTouchEvent &event)
{
    // Qt sends a cancelled touch with no points; like any touch cancelled, it presses nothing.
    if (event.points().isEmpty()) {
        cancel();
        return;
    }
    const QPoint at = event.points().constFirst().position().toPoint();
    switch (event.type()) {
    case QEvent::TouchBegin:
        cancel();
        m_start = at;
        if (event.points().size() == 1)
            m_hold.start();
        break;
    case QEvent::TouchUpdate: {
        const int slop = QGuiApplication::styleHints()->startDragDistance();
        if (event.points().size() > 1 || (at - m_start).manhattanLength() > slop)
            cancel();
        break;
    }
    case QEvent::TouchEnd:
        if (m_hold.isActive())
            emit pressed(m_start, Qt::LeftButton);
        cancel();
        break;
    default:
        cancel();
        break;
    }
}

void TouchPress::cancel()
{
    m_hold.stop();
    if (m_held) {
        m_held = false;
        emit released();
    }
}
