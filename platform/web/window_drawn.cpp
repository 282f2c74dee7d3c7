// Tells the page when the window has first been drawn, so that it takes its picture away.
#include "platform/window_drawn.h"

#include <QEvent>
#include <QWidget>
#include <emscripten.h>

namespace {

// The window's first paint runs in the frame whose end puts it on the page's canvas: the page
// hears of it then, and takes its picture away at its next frame, so that no frame shows neither.
class FirstPaint : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            deleteLater();
            EM_ASM({ window.dispatchEvent(new Event('varn-drawn')); });
        }
        return false;
    }
};

} // namespace

void tellWhenWindowDrawn(QWidget &window)
{
    window.installEventFilter(new FirstPaint(&window));
}
