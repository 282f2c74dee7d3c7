// The game's window without the game: the same menus, status labels and client area, the
// yardstick for the start-up time and memory of Varn.

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>

namespace {

void addMenus(QMainWindow &window)
{
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&Файл"));
    file->addAction(QStringLiteral("&Выход"), &window, &QWidget::close);
    QMenu *game = window.menuBar()->addMenu(QStringLiteral("&Игра"));
    game->addAction(QStringLiteral("&Новая игра"))->setShortcut(Qt::Key_F2);
    game->addAction(QStringLiteral("&Лучшие результаты"))->setShortcut(Qt::Key_F3);
    QMenu *help = window.menuBar()->addMenu(QStringLiteral("&Справка"));
    help->addAction(QStringLiteral("&Правила игры"))->setShortcut(Qt::Key_F1);
    help->addAction(QStringLiteral("&О программе..."));
}

// Four captions and four values, where the game has its status column.
void addLabels(QWidget &surface)
{
    const char *captions[] = {"Ходы", "Лисы", "Время", "Очки"};
    for (int i = 0; i < 4; ++i) {
        auto *caption = new QLabel(QString::fromUtf8(captions[i]), &surface);
        caption->setGeometry(392, 56 + 56 * i, 33, 17);
        auto *value = new QLabel(&surface);
        value->setGeometry(392, 72 + 56 * i, 33, 20);
        value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare window"));
    addMenus(window);

    auto *surface = new QWidget(&window);
    surface->setFixedSize(460, 368);
    QPalette background = surface->palette();
    background.setColor(QPalette::Window, QColor(192, 192, 192));
    surface->setPalette(background);
    surface->setAutoFillBackground(true);
    addLabels(*surface);
    window.setCentralWidget(surface);
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);

    window.adjustSize();
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           window.screen()->availableGeometry()));
    window.show();
    return app.exec();
}
