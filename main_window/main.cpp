#include "main_window/accessible_factory.h"
#include "main_window/centring.h"
#include "main_window/in_turns.h"
#include "main_window/main_window.h"
#include "main_window/qt_platform.h"
#include "platform/light_colours.h"
#include "platform/page_resize.h"
#include "platform/program_end.h"
#include "platform/whole_pictures.h"
#include "platform/window_drawn.h"
#include "resources/fonts.h"
#include "resources/pictures.h"
#include "resources/qt_translation.h"
#include "version.h"

#include <QApplication>
#include <algorithm>
#include <optional>

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
    // Ties the window to its menu entry, so that a dock shows the game's icon and can pin it.
    QApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
    installAccessibleFactory();
    keepPicturesWhole();
    keepLightColours();
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, &tellProgramEnded);

    QtPlatform platform;
    std::optional<MainWindow> window;
    // The start in turns of the event loop of their own: a browser page shows the window's first
    // screen meanwhile, and its one thread runs no two of them in one task.
    runInTurns({
        // The font and Qt's own words come before the window, which is built in that font and may
        // open a box at once.
        [] { chooseApplicationFontOnce(); },
        [] { installQtTranslation(); },
        [&] {
            window.emplace(platform);
            platform.setOwner(&*window);
        },
        [&] {
            centreOnScreen(*window);
            // A browser page that changes its size under the window, as when a phone is turned,
            // has it centred again.
            onPageResized(*window, [&window] { centreAgain(*window); });
            tellWhenWindowDrawn(*window);
        },
        // Shown at its own size everywhere: show() would let a platform choose full screen, as Qt
        // in a browser page does.
        [&] { window->setVisible(true); },
    });
    return app.exec();
}
