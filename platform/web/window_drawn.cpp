// Tells the page when the window has first been drawn, so that it takes its picture away.
#include "platform/window_drawn.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <emscripten.h>

namespace {

// The first paint of any of the window's widgets runs in the frame whose end puts the window on
// the page's canvas: the page hears of it then, and takes its picture away at its next frame, so
// that no frame shows neither. The window itself is not always painted: a kept game's panel, for
// one, covers it whole.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(QWidget &window)
        : QObject(QCoreApplication::instance())
        , m_window(&window)
    { }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() == m_window) {
            QCoreApplication::instance()->removeEventFilter(this);
            deleteLater();
            EM_ASM({ window.dispatchEvent(new Event('varn-drawn')); });
        }
        return false;
    }

private:
    QPointer<QWidget> m_window;
};

} // namespace

void tellWhenWindowDrawn(QWidget &window)
{
    QCoreApplication::instance()->installEventFilter(new FirstPaint(window));
}
