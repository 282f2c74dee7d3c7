#include "main_window/main_window.h"
#include "resources/pictures.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varn"));
    QApplication::setWindowIcon(QIcon(iconPicture()));

    MainWindow window;
    window.adjustSize();
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           window.screen()->availableGeometry()));
    window.show();
    return app.exec();
}
