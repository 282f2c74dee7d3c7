#include "main_window/main_window.h"

#include "commands/about_window.h"
#include "commands/rules_command.h"
#include "main_window/modal.h"

#include <QLayout>
#include <QMenuBar>
#include <chrono>

MainWindow::MainWindow(Platform &platform)
    : QMainWindow(nullptr,
                  Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                      | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_platform(platform)
    , m_table(platform, kBestResult)
    , m_panel(m_table)
    , m_game(platform, m_table, m_panel)
    , m_board(m_game, this)
    , m_status(m_board)
    , m_panelView(m_board, m_panel, m_table)
{
    setObjectName(QStringLiteral("Главное_окно"));
    setWindowTitle(QStringLiteral("Зарнак"));
    setCentralWidget(&m_board);
    buildMenus();
    // Fixed to the client area and the menu bar: no resizing, no maximising.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Секундомер.setInterval(std::chrono::seconds(1));
    connect(&Секундомер, &QTimer::timeout, &m_game, &Game::Секундомер_Timer);
    connect(&m_game, &Game::stopwatchSwitched, &Секундомер,
            [this](bool running) { running ? Секундомер.start() : Секундомер.stop(); });
    connect(&m_board, &BoardWidget::cellPressed, &m_game, &Game::Клетка_MouseDown);
    connect(&m_game, &Game::changed, this, &MainWindow::refresh);
    connect(&m_game, &Game::statusChanged, this,
            [this] { m_status.showValues(m_game.statusCaptions()); });
    // The keys go to the board from the start, and back to it when the panel closes; a closed
    // dialog gives the focus back to where it was.
    m_board.setFocus();
    connect(&m_panel, &RecordsPanel::changed, this, [this] {
        if (!m_panel.isVisible)
            m_board.setFocus();
    });

    m_game.Загрузка();
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
        = game->addAction(QStringLiteral("&Новая игра"), &m_game, &Game::Новая_игра_Click);
    newGame->setObjectName(QStringLiteral("Новая_игра"));
    newGame->setShortcut(Qt::Key_F2);
    QAction *records = game->addAction(QStringLiteral("&Лучшие результаты"), &m_panel,
                                       &RecordsPanel::Рекорды_Click);
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

void MainWindow::refresh()
{
    m_status.showValues(m_game.statusCaptions());
    m_board.showGame();
}
