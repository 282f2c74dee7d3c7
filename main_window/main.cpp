#include "main_window/centring.h"
#include "main_window/main_window.h"
#include "main_window/program_end.h"
#include "main_window/qt_platform.h"
#include "resources/pictures.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <algorithm>

int main(int argc, char *argv[])
{
    // Under X11 each repaint through shared memory brings a completion event back from the
    // server, waking the program a second time every tick; the status column's small repaints
    // go as well over the socket, with no answer to wait for.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    // The program has no command line: Qt's own options, such as -reverse, must not reach it.
    int argumentCount = std::min(argc, 1);
    QApplication app(argumentCount, argv);
    QApplication::setApplicationName(QStringLiteral("Varn"));
    QApplication::setWindowIcon(QIcon(iconPicture()));
    // Qt's own words, in the text box's menu and the dialogs' buttons, in the game's language.
    QTranslator qtWords;
    if (qtWords.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtWords);

    QtPlatform platform;
    MainWindow window(platform);
    platform.setOwner(&window);
    centreOnScreen(window);
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, &tellProgramEnded);
    window.show();
    return app.exec();
}
