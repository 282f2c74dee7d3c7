#include "platform/application_font.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>

// The Liberation faces the windows are drawn in (web/CMakeLists.txt lists them). The texts in the
// application's font take the sans serif face at 9 points, a Linux desktop's default, for which
// the about window's notice is laid out.
void chooseApplicationFont()
{
    const QDir fonts(QStringLiteral(":/fonts/liberation"));
    for (const QString &name : fonts.entryList(QDir::Files))
        QFontDatabase::addApplicationFont(fonts.filePath(name));
    QFont font = QGuiApplication::font();
    font.setFamily(QStringLiteral("Liberation Sans"));
    font.setPointSize(9);
    QGuiApplication::setFont(font);
}
