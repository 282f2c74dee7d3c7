#include "resources/embedded_fonts.h"

#include <QDir>
#include <QFontDatabase>

// The Liberation faces the windows are drawn in (web/CMakeLists.txt lists them).
void addEmbeddedFonts()
{
    const QDir fonts(QStringLiteral(":/fonts/liberation"));
    for (const QString &name : fonts.entryList(QDir::Files))
        QFontDatabase::addApplicationFont(fonts.filePath(name));
}
