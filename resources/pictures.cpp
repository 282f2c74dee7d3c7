#include "resources/pictures.h"

#include "resources/flag.xpm"
#include "resources/fox.xpm"
#include "resources/icon.xpm"
#include "resources/logo.xpm"

QPixmap foxPicture()
{
    return QPixmap(fox_xpm);
}

QPixmap flagPicture()
{
    return QPixmap(flag_xpm);
}

QPixmap iconPicture()
{
    return QPixmap(icon_xpm);
}

QPixmap logoPicture()
{
    return QPixmap(logo_xpm);
}
