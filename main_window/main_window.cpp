#include "main_window/main_window.h"

#include "commands/about_window.h"
#include "commands/rules_command.h"
#include "main_window/modal.h"
#include "platform/kept_game.h"
#include "platform/platform.h"

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
    connect(&Секундомер, &QTimer::timeout, this, [this] { m_session.tick(secondsPassed()); });
    connect(&m_session.game(), &Game::stopwatchSwitched, &Секундомер, [this](bool running) {
        if (!running) {
            Секундомер.stop();
            return;
        }
        m_firstPress = m_platform.clockMilliseconds();
        Секундомер.start();
    });

    m_session.load();
    if (const std::optional<KeptGame> kept = keptGameFromText(keptGame()))
        restore(*kept);
    m_keepGame = keepGame([this] { return keptText(); });
    const Game &game = m_session.game();
    connect(&game, &Game::changed, this, m_keepGame);
    connect(&game, &Game::statusChanged, this, m_keepGame);
    connect(&m_session.panel(), &RecordsPanel::changed, this, m_keepGame);
    connect(&m_client.board(), &BoardWidget::cursorChanged, this, m_keepGame);
}

// A timer fires a little early or late: a tick counts the whole seconds nearest to the time passed.
qint64 MainWindow::secondsPassed() const
{
    return (m_platform.clockMilliseconds() - m_firstPress + 500) / 1000;
}

// The seconds are counted at once from the kept first press: those that passed while the game was
// away count as any others.
void MainWindow::restore(const KeptGame &kept)
{
    m_session.restore(kept);
    m_firstPress = kept.firstPress;
    m_client.placeCursor(kept.cursor, kept.cursorShown);
    if (Секундомер.isActive())
        m_session.tick(secondsPassed());
}

// Nothing of a game that has ended, or of a closed window's, is kept.
QString MainWindow::keptText() const
{
    if (m_closed || m_session.game().state().Конец_игры)
        return QString();
    KeptGame kept = m_session.kept();
    kept.firstPress = m_firstPress;
    kept.cursor = m_client.board().cursor();
    kept.cursorShown = m_client.board().cursorShown();
    return keptGameText(kept);
}

// Closing the window ends its game, on a page as on a desktop: the page started again from its
// link begins a new game.
void MainWindow::closeEvent(QCloseEvent *event)
{
    m_closed = true;
    m_keepGame();
    QMainWindow::closeEvent(event);
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
