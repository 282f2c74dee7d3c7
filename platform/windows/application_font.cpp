#include "platform/application_font.h"

#include <QApplication>
#include <QFontDatabase>

namespace {

// Qt lists the system's message font among the families even where no such font is installed;
// only the writing systems of a family that is really there are known.
bool writesLatinAndCyrillic(const QString &family)
{
    const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
    return systems.contains(QFontDatabase::Latin) && systems.contains(QFontDatabase::Cyrillic);
}

} // namespace

// Windows names its message font, Segoe UI or Tahoma, for the boxes. Where that family is
// missing, as Tahoma is from a Wine without its own fonts, the system draws the Latin letters in a
// serif stand-in of its choosing and Qt the Cyrillic ones in a sans serif fallback of its own: the
// first family that is there and writes both then serves every text, at the message font's size.
void chooseApplicationFont()
{
    QFont font = QApplication::font("QMessageBox");
    if (writesLatinAndCyrillic(font.family()))
        return;
    for (const char *name :
         {"Segoe UI", "Tahoma", "Microsoft Sans Serif", "Arial", "Liberation Sans"}) {
        const QString family = QString::fromLatin1(name);
        if (writesLatinAndCyrillic(family)) {
            font.setFamily(family);
            // Without a class, this also drops the menus' and tooltips' own fonts, which name
            // the same missing family.
            QApplication::setFont(font);
            return;
        }
    }
}
