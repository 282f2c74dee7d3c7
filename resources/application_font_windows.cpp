#include "resources/application_font.h"

#include <QFontDatabase>
#include <QGuiApplication>

// Windows names its message font, Segoe UI or Tahoma, for the boxes. Where that family is
// missing, as Tahoma is from a Wine without its own fonts, the system draws the Latin letters in a
// serif stand-in of its choosing and Qt the Cyrillic ones in a sans serif fallback of its own: the
// first of the Windows families that is there serves instead, at the message font's size.
void chooseApplicationFont()
{
    QFont font = QGuiApplication::font();
    if (QFontDatabase::hasFamily(font.family()))
        return;
    for (const char *family : {"Segoe UI", "Tahoma", "Microsoft Sans Serif", "Arial"}) {
        if (QFontDatabase::hasFamily(QString::fromLatin1(family))) {
            font.setFamily(QString::fromLatin1(family));
            QGuiApplication::setFont(font);
            return;
        }
    }
}
