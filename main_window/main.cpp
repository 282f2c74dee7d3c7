#include "main_window/main_window.h"
#include "resources/pictures.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QStyle>
#include <QTranslator>

int main(int argc, char *argv[])
{
    // Under X11 each repaint through shared memory brings a completion event back from the
    // server, waking the program a second time every tick; the status column's small repaints
    // go as well over the socket, with no answer to wait for.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varn"));
    QApplication::setWindowIcon(QIcon(iconPicture()));
    // Qt's own words, in the text box's menu and the dialogs' buttons, in the game's language.
    QTranslator qtWords;
    if (qtWords.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtWords);

    MainWindow window;
    window.adjustSize();
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           window.screen()->availableGeometry()));
    window.show();
    return app.exec();
}
