#include "platform/whole_pictures.h"

#include <QApplication>
#include <QBackingStore>
#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {

// The ratio a window was last painted at, kept on the window.
constexpr char kPaintedRatio[] = "paintedRatio";

// The window about to repaint what has changed and flush it: on an update request to the window,
// and on an expose of its native window, as when the page changes its size.
QWidget *repaintingWindow(QObject *watched, QEvent::Type type)
{
    if (type == QEvent::UpdateRequest && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        return widget->isWindow() ? widget : nullptr;
    }
    if (type == QEvent::Expose && watched->isWindowType()) {
        const QWidgetList windows = QApplication::topLevelWidgets();
        const auto found = std::find_if(windows.begin(), windows.end(), [watched](QWidget *window) {
            return window->windowHandle() == watched;
        });
        return found == windows.end() ? nullptr : *found;
    }
    return nullptr;
}

class WholePictures : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (QWidget *window = repaintingWindow(watched, event->type()))
            beforeRepaint(*window);
        return false;
    }

private:
    static void beforeRepaint(QWidget &window)
    {
        QBackingStore *store = window.backingStore();
        if (!store || store->size().isEmpty())
            return;
        const qreal ratio = window.devicePixelRatio();
        if (window.property(kPaintedRatio).toReal() != ratio) {
            window.setProperty(kPaintedRatio, ratio);
            // Every widget: the window's own update leaves out its opaque children.
            window.update();
            for (QWidget *widget : window.findChildren<QWidget *>())
                widget->update();
        }
        store->flush(QRegion(window.rect()), window.windowHandle());
    }
};

} // namespace

void keepPicturesWhole()
{
    qApp->installEventFilter(new WholePictures(qApp));
}
