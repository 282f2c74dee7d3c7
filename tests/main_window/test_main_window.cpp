#include "main_window/board_geometry.h"
#include "main_window/board_widget.h"
#include "main_window/main_window.h"
#include "main_window/records_panel_view.h"
#include "main_window/status_column.h"

#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>

namespace {

QColor pixel(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y);
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void testWindowIsFixed();
    void testMenus();
    void testGridAndFrame();
    void testStatusColumn();
    void testEmptyBoardAfterReset();
    void testMousePresses();
    void testPressOnEdgeLineReachesNoCell();
    void testNumbersFlagsAndFoxesArePainted();
    void testNewGameKey();
    void testPanel();
    void testTicksGoOnInModalBox();
    void testRulesAndAboutLeaveGameAlone();
    void testExitClosesAtOnce();

private:
    QImage grabBoard() const { return window->board()->grab().toImage(); }
    void click(int cell, Qt::MouseButton button)
    {
        QTest::mouseClick(window->board(), button, {},
                          board_geometry::cellTopLeft(cell) + QPoint(10, 10));
    }

    std::unique_ptr<MainWindow> window;
};

void MainWindowTest::init()
{
    window = std::make_unique<MainWindow>();
    window->show();
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    // The window's generator is seeded from the clock: put the foxes where the tests expect them.
    window->game().Лисы.fill(false);
    for (int cell : {0, 24, 57, 72, 89})
        window->game().Лисы[cell] = true;
}

void MainWindowTest::cleanup()
{
    window.reset();
}

void MainWindowTest::testWindowIsFixed()
{
    // The client area under the menu bar is 460 × 368, and the window cannot be resized.
    QCOMPARE(window->centralWidget()->size(), QSize(460, 368));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(window->windowTitle(), QStringLiteral("Зарнак"));
    QVERIFY(!window->stopwatch().isActive());
    QCOMPARE(window->stopwatch().interval(), 1000);
}

void MainWindowTest::testMenus()
{
    // Three menus, their items in order, with access letters and F1 to F3.
    QStringList seen;
    for (QAction *menu : window->menuBar()->actions()) {
        seen << menu->text();
        for (QAction *item : menu->menu()->actions())
            seen << item->text() + '|' + item->shortcut().toString();
    }
    QCOMPARE(seen,
             (QStringList {"&Файл", "&Выход|", "&Игра", "&Новая игра|F2", "&Лучшие результаты|F3",
                           "&Справка", "&Правила игры|F1", "&О программе...|"}));
}

void MainWindowTest::testGridAndFrame()
{
    // Grid lines every 32 pixels from 24 in the window-text colour, and the two bevels.
    const QImage image = grabBoard();
    const QPalette palette = window->board()->palette();
    const QColor text = palette.color(QPalette::WindowText);
    for (int k = 0; k <= 10; ++k) {
        QCOMPARE(pixel(image, 24 + 32 * k, 200), text);
        QCOMPARE(pixel(image, 200, 24 + 32 * k), text);
    }
    QCOMPARE(pixel(image, 100, 16), palette.color(QPalette::Base)); // Line23
    QCOMPARE(pixel(image, 16, 100), palette.color(QPalette::Base)); // Line25
    QCOMPARE(pixel(image, 352, 100), text); // Line24
    QCOMPARE(pixel(image, 352, 352), text); // Line26 reaches the corner
    QCOMPARE(pixel(image, 100, 17), QColor(224, 224, 224)); // Line27
    QCOMPARE(pixel(image, 351, 100), QColor(128, 128, 128)); // Line28
    QCOMPARE(pixel(image, 100, 0), QColor(128, 128, 128)); // Line31
    QCOMPARE(pixel(image, 0, 100), QColor(128, 128, 128)); // Line32
    QCOMPARE(pixel(image, 100, 1), text); // Line33
    QCOMPARE(pixel(image, 1, 100), text); // Line34
    QCOMPARE(pixel(image, 100, 367), QColor(255, 255, 255)); // Line37
    QCOMPARE(pixel(image, 459, 100), QColor(255, 255, 255)); // Line38
    QCOMPARE(pixel(image, 370, 300), QColor(192, 192, 192)); // window background
    QCOMPARE(pixel(image, 40, 40), palette.color(QPalette::Button)); // empty Число
}

void MainWindowTest::testStatusColumn()
{
    // Eight labels at their rectangles; the value labels in front of their captions.
    StatusColumn &status = window->status();
    QCOMPARE(status.lblLead->geometry(), QRect(392, 72, 33, 20));
    QCOMPARE(status.lblFox->geometry(), QRect(392, 128, 33, 20));
    QCOMPARE(status.lblTime->geometry(), QRect(392, 184, 33, 20));
    QCOMPARE(status.lblPoint->geometry(), QRect(392, 240, 33, 20));
    QCOMPARE(status.lblPoint->toolTip(), QStringLiteral("Заработанные очки"));
    QCOMPARE(status.lblTime->font().pixelSize(), 13);
    const QImage image = grabBoard();
    QCOMPARE(pixel(image, 408, 85), QColor(192, 255, 255));
    QCOMPARE(pixel(image, 392, 57), QColor(192, 192, 192)); // Label1
    // Label1 ends at 75 and lblLead starts at 72: the value label covers the overlap.
    QCOMPARE(window->board()->childAt(408, 74), status.lblLead);
    QCOMPARE(window->board()->childAt(408, 184), status.lblTime);
}

void MainWindowTest::testEmptyBoardAfterReset()
{
    // After start the board holds no fox, flag or number and the status values are empty.
    for (QLabel *label : {window->status().lblLead, window->status().lblFox,
                          window->status().lblTime, window->status().lblPoint})
        QCOMPARE(label->text(), QString());
    const QImage image = grabBoard();
    const QColor face = window->board()->palette().color(QPalette::Button);
    for (int i = 0; i < 100; ++i) {
        const QPoint corner = board_geometry::cellTopLeft(i);
        for (int d = 1; d < 32; d += 5)
            QCOMPARE(pixel(image, corner.x() + d, corner.y() + d), face);
    }
}

void MainWindowTest::testMousePresses()
{
    // Left opens, right flags, and a first middle press starts the stopwatch.
    Game &game = window->game();
    click(55, Qt::MiddleButton);
    QVERIFY(window->stopwatch().isActive());
    QVERIFY(!game.Открытые[55] && !game.Флаг[55]);
    click(56, Qt::RightButton);
    QVERIFY(game.Флаг[56]);
    click(1, Qt::LeftButton);
    QVERIFY(game.Открытые[1]);
    QCOMPARE(game.Число[1], QStringLiteral("2"));
    QCOMPARE(window->status().lblLead->text(), QStringLiteral("1"));
    QCOMPARE(window->status().lblPoint->text(), QStringLiteral("290"));
    // The first pixel of a cell, on its grid lines, belongs to it.
    QTest::mouseClick(window->board(), Qt::RightButton, {}, board_geometry::cellTopLeft(77));
    QVERIFY(game.Флаг[77]);
}

void MainWindowTest::testPressOnEdgeLineReachesNoCell()
{
    // The grid's right edge line belongs to no cell: a press there does not even start the game.
    QTest::mouseClick(window->board(), Qt::LeftButton, {}, QPoint(344, 30));
    QTest::mouseClick(window->board(), Qt::LeftButton, {}, QPoint(30, 344));
    QVERIFY(window->game().Первый_ход);
    QVERIFY(!window->stopwatch().isActive());
}

void MainWindowTest::testNumbersFlagsAndFoxesArePainted()
{
    // What the game holds for a cell shows in its square, under the grid lines.
    const int fox = 0;
    const int empty = 1;
    const int flagged = 32; // not on the lines of cell 1
    click(fox, Qt::LeftButton);
    click(empty, Qt::LeftButton);
    click(flagged, Qt::RightButton);
    const QImage image = grabBoard();
    const QColor face = window->board()->palette().color(QPalette::Button);
    auto differs = [&](int cell) {
        const QPoint corner = board_geometry::cellTopLeft(cell);
        int count = 0;
        for (int y = 1; y < 32; ++y)
            for (int x = 1; x < 32; ++x)
                count += pixel(image, corner.x() + x, corner.y() + y) != face ? 1 : 0;
        return count;
    };
    QVERIFY(differs(fox) > 50);
    QVERIFY(differs(empty) > 20);
    QVERIFY(differs(flagged) > 30);
    const QPoint corner = board_geometry::cellTopLeft(empty);
    QCOMPARE(pixel(image, corner.x(), corner.y() + 10),
             window->board()->palette().color(QPalette::WindowText));
}

void MainWindowTest::testNewGameKey()
{
    // F2 starts a new game: the board and the status column are emptied.
    click(12, Qt::LeftButton);
    click(13, Qt::RightButton);
    QTest::keyClick(window.get(), Qt::Key_F2);
    QCOMPARE(window->status().lblLead->text(), QString());
    QVERIFY(!window->game().Флаг[13]);
    QVERIFY(!window->game().Открытые[12]);
    QVERIFY(!window->stopwatch().isActive());
    QCOMPARE(std::count(window->game().Лисы.begin(), window->game().Лисы.end(), true), 5);
}

void MainWindowTest::testPanel()
{
    // F3 shows the five controls with the focus on "Закрыть"; Esc leaves them; "Закрыть" hides.
    RecordsPanelView &panel = window->panelView();
    QVERIFY(!panel.Таблица_рекордов->isVisible());
    QTest::keyClick(window.get(), Qt::Key_F3);
    for (QWidget *control :
         {static_cast<QWidget *>(panel.Рамка_таблицы_рекордов),
          static_cast<QWidget *>(panel.Лучшие_результаты),
          static_cast<QWidget *>(panel.Таблица_рекордов),
          static_cast<QWidget *>(panel.Кнопка_очистить), static_cast<QWidget *>(panel.Кнопка_ок)})
        QVERIFY(control->isVisible());
    QCOMPARE(QApplication::focusWidget(), panel.Кнопка_ок);
    QCOMPARE(panel.Таблица_рекордов->toPlainText().count('\n'), 9);
    // Tab runs "Закрыть", "Очистить", the text box, and round again.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), panel.Кнопка_очистить);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), panel.Таблица_рекордов);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), panel.Кнопка_ок);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QVERIFY(panel.Кнопка_ок->isVisible());
    // F2 with the panel shown: presses count again, the panel stays.
    QTest::keyClick(window.get(), Qt::Key_F2);
    QVERIFY(panel.Кнопка_ок->isVisible());
    click(5, Qt::RightButton);
    QVERIFY(window->game().Флаг[5]);
    QTest::mouseClick(panel.Кнопка_ок, Qt::LeftButton);
    QVERIFY(!panel.Таблица_рекордов->isVisible());
    QVERIFY(!window->panel().Таблица_показана);
}

void MainWindowTest::testTicksGoOnInModalBox()
{
    // A running stopwatch keeps ticking while a modal box is open.
    window->stopwatch().setInterval(5);
    click(0, Qt::MiddleButton);
    int secondsWhileOpen = -1;
    QString boxTitle;
    QTimer::singleShot(200, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        secondsWhileOpen = window->game().Секунды;
        boxTitle = box->windowTitle();
        box->accept();
    });
    // The test folder has no help file: F1 shows the real message box that says so.
    QTest::keyClick(window.get(), Qt::Key_F1);
    QCOMPARE(boxTitle, QStringLiteral("Ошибка"));
    QVERIFY2(secondsWhileOpen > 0, qPrintable(QString::number(secondsWhileOpen)));
}

void MainWindowTest::testRulesAndAboutLeaveGameAlone()
{
    // The rules box and the about window neither pause nor change a running game.
    click(1, Qt::LeftButton);
    click(5, Qt::RightButton);
    const auto flags = window->game().Флаг;
    const QString moves = window->status().lblLead->text();
    QStringList opened;
    auto closeNextModal = [&] {
        QTimer::singleShot(50, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            opened << modal->objectName() + '|' + modal->windowTitle();
            QTest::keyClick(modal, Qt::Key_Escape);
        });
    };
    closeNextModal();
    QTest::keyClick(window.get(), Qt::Key_F1);
    closeNextModal();
    window->findChild<QAction *>(QStringLiteral("О_программе"))->trigger();
    QCOMPARE(opened.size(), 2);
    QVERIFY(opened[1].startsWith(QStringLiteral("frmAbout|")));
    QVERIFY(window->stopwatch().isActive());
    QCOMPARE(window->status().lblLead->text(), moves);
    QVERIFY(window->game().Флаг == flags);
    QVERIFY(!window->game().Первый_ход);
}

void MainWindowTest::testExitClosesAtOnce()
{
    // Выход closes the window without a question, also in the middle of a game.
    click(1, Qt::LeftButton);
    window->findChild<QAction *>(QStringLiteral("Выход"))->trigger();
    QVERIFY(!window->isVisible());
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
