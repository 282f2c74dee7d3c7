#include "main_window/centring.h"

#include <QEvent>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

namespace {

QPoint centredFramePosition(const QWidget &window)
{
    return QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.frameGeometry().size(),
                               window.screen()->availableGeometry())
        .topLeft();
}

// Some window managers frame a window only once it is mapped: its frame is known by its first
// expose, and the window moves then if the frame has shifted its centre.
class CentreAtFirstExpose : public QObject
{
public:
    explicit CentreAtFirstExpose(QWidget &window)
        : QObject(&window)
        , m_window(window)
    { }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose) {
            watched->removeEventFilter(this);
            const QPoint centred = centredFramePosition(m_window);
            if (m_window.pos() != centred)
                m_window.move(centred);
        }
        return false;
    }

private:
    QWidget &m_window;
};

} // namespace

void centreOnScreen(QWidget &window)
{
    window.adjustSize();
    // A native window of its own, whose frame the platform may already know.
    window.winId();
    // A window's position is that of its frame.
    window.move(centredFramePosition(window));
    window.windowHandle()->installEventFilter(new CentreAtFirstExpose(window));
}

void centreAgain(QWidget &window)
{
    window.move(centredFramePosition(window));
}
