#include "platform/page_resize.h"

#include <QScreen>
#include <QWidget>

void onPageResized(QWidget &window, std::function<void()> resized)
{
    QObject::connect(window.screen(), &QScreen::geometryChanged, &window, std::move(resized));
}
