#include "main_window/page_window.h"

#include "main_window/centring.h"
#include "main_window/whole_pictures.h"

#include <QScreen>
#include <QWidget>

void settleInPage(QWidget &window)
{
    QObject::connect(window.screen(), &QScreen::geometryChanged, &window,
                     [&window] { centreAgain(window); });
    keepPicturesWhole();
}
