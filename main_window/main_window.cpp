#include "main_window/main_window.h"

#include "commands/about_window.h"
#include "commands/rules_command.h"
#include "main_window/modal.h"

#include <QLayout>
#include <QMenuBar>

MainWindow::MainWindow(Platform &platform, std::chrono::milliseconds tick)
    : QMainWindow(nullptr,
                  Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                      | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_platform(platform)
    , Секундомер(this)
    , m_session(platform)
    , m_client(m_session, this)
{
    setObjectName(QStringLiteral("Главное_окно"));
    setWindowTitle(QStringLiteral("Зарнак"));
    setCentralWidget(&m_client);
    buildMenus();
    // Fixed to the client area and the menu bar: no resizing, no maximising.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Секундомер.setObjectName(QStringLiteral("Секундомер"));
    Секундомер.setInterval(tick);
    connect(&Секундомер, &QTimer::timeout, this, [this] { m_session.tick(); });
    connect(&m_session.game(), &Game::stopwatchSwitched, &Секундомер,
            [this](bool running) { running ? Секундомер.start() : Секундомер.stop(); });

    m_session.load();
}

void MainWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&Файл"));
    file->setObjectName(QStringLiteral("Файл"));
    QAction *exit = file->addAction(QStringLiteral("&Выход"), this, &QWidget::close);
    exit->setObjectName(QStringLiteral("Выход"));

    QMenu *game = menuBar()->addMenu(QStringLiteral("&Игра"));
    game->setObjectName(QStringLiteral("Игра"));
    QAction *newGame
        = game->addAction(QStringLiteral("&Новая игра"), this, [this] { m_session.newGame(); });
    newGame->setObjectName(QStringLiteral("Новая_игра"));
    newGame->setShortcut(Qt::Key_F2);
    QAction *records = game->addAction(QStringLiteral("&Лучшие результаты"), this,
                                       [this] { m_session.showRecords(); });
    records->setObjectName(QStringLiteral("Рекорды"));
    records->setShortcut(Qt::Key_F3);

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Справка"));
    help->setObjectName(QStringLiteral("Справка"));
    QAction *rules = help->addAction(QStringLiteral("&Правила игры"), this,
                                     [this] { Правила_игры_Click(m_platform); });
    rules->setObjectName(QStringLiteral("Правила_игры"));
    rules->setShortcut(Qt::Key_F1);
    QAction *about = help->addAction(QStringLiteral("&О программе..."), this,
                                     [this] { openModal(new AboutWindow(this)); });
    about->setObjectName(QStringLiteral("О_программе"));
}
