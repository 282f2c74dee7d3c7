#pragma once

#include <QPixmap>

// The pictures, compiled in from their XPM sources: Qt reads XPM itself, so showing them loads no
// image plug-in at start.
QPixmap foxPicture();
QPixmap flagPicture();
QPixmap iconPicture();
QPixmap logoPicture();
